// "Workspace configuration" and its "Umgebungsvariablen" dialog.
#pragma once

#include <QDialog>

class QLineEdit;

namespace grafyon::environment {

// Edits the user's local export filter folder.
class EnvironmentVariablesDialog : public QDialog {
    Q_OBJECT
public:
    explicit EnvironmentVariablesDialog(QWidget* parent = nullptr);
    QLineEdit* PathEdit() const { return m_path; }

    // The folder the browser starts in: trailing blanks and one trailing "/" removed.
    static QString BrowseStart(const QString& text);

public slots:
    void Browse();
    void Set();

private:
    QLineEdit* m_path;
};

class WorkspaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorkspaceDialog(QWidget* parent = nullptr);

public slots:
    void Configure();
};

}  // namespace grafyon::environment
