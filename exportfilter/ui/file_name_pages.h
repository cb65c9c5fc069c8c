// The pages of a stream's output-file object: "File names" for one data file (with its
// description file) and "File name" for one file per dataset, both with the folder choice.
#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "edit_sheet.h"
#include "page_registry.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace grafyon::exportfilter {

class CQuenarClass;
class CQuenarFile;
class CQuenarFileMulti;
class CQuenarFileSingle;
class QuenarMessenger;

// "User defined Path": a folder chosen by the user, or nothing on Cancel.
std::optional<QString> ChooseFolder(QWidget* parent, const QString& start);

// The "Path" group and the two combo boxes both pages share.
struct OutputFileControls {
    QButtonGroup* pathMode = nullptr;
    QLineEdit* userPath = nullptr;
    QPushButton* browse = nullptr;
    QComboBox* fileDialog = nullptr;
    QComboBox* overwrite = nullptr;
};

class CSingleFilePage : public EditPage {
    Q_OBJECT
public:
    CSingleFilePage(CQuenarFileSingle& file, QuenarMessenger& messenger, QWidget* parent = nullptr);
    // Refuses keeping both the file name and the folder of the source (message 4012).
    bool Validate() override;
    void Apply() override;

    QButtonGroup* DataNameMode() const { return m_dataNameMode; }
    QLineEdit* UserDataName() const { return m_userDataName; }
    QComboBox* DataExtension() const { return m_dataExtension; }
    QGroupBox* DescriptionGroup() const { return m_descriptionGroup; }
    QButtonGroup* DescriptionNameMode() const { return m_descriptionNameMode; }
    QLineEdit* DescriptionExtension() const { return m_descriptionExtension; }
    QLineEdit* UserDescriptionName() const { return m_userDescriptionName; }
    const OutputFileControls& Controls() const { return m_controls; }

private:
    CQuenarFileSingle& m_file;
    QuenarMessenger& m_messenger;
    QButtonGroup* m_dataNameMode;
    QLineEdit* m_userDataName;
    QComboBox* m_dataExtension;
    QGroupBox* m_descriptionGroup;
    QButtonGroup* m_descriptionNameMode;
    QLineEdit* m_descriptionExtension;
    QLineEdit* m_userDescriptionName;
    OutputFileControls m_controls;
};

class CMultiFilePage : public EditPage {
    Q_OBJECT
public:
    explicit CMultiFilePage(CQuenarFileMulti& file, QWidget* parent = nullptr);
    void Apply() override;

    QComboBox* BuildMode() const { return m_buildMode; }
    QButtonGroup* NameMode() const { return m_nameMode; }
    QLineEdit* UserName() const { return m_userName; }
    const OutputFileControls& Controls() const { return m_controls; }

private:
    CQuenarFileMulti& m_file;
    QComboBox* m_buildMode;
    QButtonGroup* m_nameMode;
    QLineEdit* m_userName;
    OutputFileControls m_controls;
};

// The pages over the output-file object a stream holds.
FilterPageFactory SingleFilePageFactory(std::function<CQuenarFileSingle*(CQuenarClass&)> file);
FilterPageFactory MultiFilePageFactory(std::function<CQuenarFileMulti*(CQuenarClass&)> file);

}  // namespace grafyon::exportfilter
