// The pages every filter's sheet can show: general settings, method and commentary.
#pragma once

#include "edit_sheet.h"
#include "page_registry.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace grafyon::exportfilter {

class CQuenarClass;
class QuenarMessenger;

// "General": designation, description, the only-selected flag and the allocation mode.
class CFilterGeneralPage : public EditPage {
    Q_OBJECT
public:
    explicit CFilterGeneralPage(CQuenarClass& filter, QWidget* parent = nullptr);
    void Apply() override;

    QLineEdit* Designation() const { return m_designation; }
    QPlainTextEdit* Description() const { return m_description; }
    QCheckBox* OnlySelected() const { return m_onlySelected; }
    QButtonGroup* AllocationMode() const { return m_allocationMode; }

private:
    CQuenarClass& m_filter;
    QLineEdit* m_designation;
    QPlainTextEdit* m_description;
    QCheckBox* m_onlySelected;
    QButtonGroup* m_allocationMode;
};

// "Method": the export method, the missing-value choices and the output resolution. A
// resolution or frequency in use must be a number greater than 0.
class CMethodPage : public EditPage {
    Q_OBJECT
public:
    CMethodPage(CQuenarClass& filter, QuenarMessenger& messenger, QWidget* parent = nullptr);
    bool Validate() override;
    void Apply() override;

    QButtonGroup* Method() const { return m_method; }
    QButtonGroup* MissingEvery() const { return m_missingEvery; }
    QButtonGroup* MissingConstant() const { return m_missingConstant; }
    QButtonGroup* ResolutionBy() const { return m_resolutionBy; }
    QLineEdit* Resolution() const { return m_resolution; }
    QLineEdit* Frequency() const { return m_frequency; }

private:
    void UpdateEnabled();

    CQuenarClass& m_filter;
    QuenarMessenger& m_messenger;
    QButtonGroup* m_method;
    QButtonGroup* m_missingEvery;
    QButtonGroup* m_missingConstant;
    QButtonGroup* m_resolutionBy;
    QLineEdit* m_resolution;
    QLineEdit* m_frequency;
    QWidget* m_everyBox;
    QWidget* m_constantBox;
};

// "Commentary": which comment the writer puts into its file.
class CCommentaryPage : public EditPage {
    Q_OBJECT
public:
    explicit CCommentaryPage(CQuenarClass& filter, QWidget* parent = nullptr);
    void Apply() override;

    QButtonGroup* Mode() const { return m_mode; }
    QPlainTextEdit* Text() const { return m_text; }

private:
    CQuenarClass& m_filter;
    QButtonGroup* m_mode;
    QPlainTextEdit* m_text;
};

FilterPageFactory FilterGeneralPageFactory();
FilterPageFactory MethodPageFactory();
FilterPageFactory CommentaryPageFactory();

}  // namespace grafyon::exportfilter
