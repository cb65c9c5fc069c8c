// "Create new filter definition" and "Copy filter", and the loops that reopen them until
// a free name is given or the user cancels.
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace grafyon::exportfilter {

class ClassRegistry;
class FilterManagement;
enum class FilterAction;

class CCreateFilterDialog : public QDialog {
    Q_OBJECT
public:
    // The types offered are those the table offers and a stream class of the registry
    // serves, sorted by name.
    explicit CCreateFilterDialog(const ClassRegistry& registry, QWidget* parent = nullptr);

    QLineEdit* Name() const { return m_name; }
    QComboBox* Type() const { return m_type; }
    QButtonGroup* DefinitionMode() const { return m_mode; }
    int TypeCode() const;

private:
    QLineEdit* m_name;
    QComboBox* m_type;
    QButtonGroup* m_mode;
};

class CCopyFilterDialog : public QDialog {
    Q_OBJECT
public:
    CCopyFilterDialog(const QString& sourceName, QWidget* parent = nullptr);

    QLineEdit* Name() const { return m_name; }

private:
    QLineEdit* m_name;
};

// Insert of the filter dialogs: asks for name, type and definition mode until the name is
// accepted; the new filter is listed and selected when the answer is Done.
FilterAction InsertFilterInteractively(FilterManagement& management, const ClassRegistry& registry,
                                       QWidget* parent);
// Copy of the selected local filter under a name asked for until it is accepted.
FilterAction CopyFilterInteractively(FilterManagement& management, QWidget* parent);

}  // namespace grafyon::exportfilter
