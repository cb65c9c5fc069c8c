// The pages of a channel definition's sheet: general, calibration range and own file name.
#pragma once

#include <functional>

#include "edit_sheet.h"
#include "page_registry.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace grafyon::exportfilter {

class CQuenarChannelDef;
class CQuenarChannelDef1File;
class QuenarMessenger;
struct QuenarCalibrationRange;

// "General": identifier, default dataset and the linear adjustment with its unit.
class CChannelGeneralPage : public EditPage {
    Q_OBJECT
public:
    CChannelGeneralPage(CQuenarChannelDef& definition, QuenarMessenger& messenger,
                        QWidget* parent = nullptr);
    bool Validate() override;
    void Apply() override;

    QLineEdit* Identifier() const { return m_identifier; }
    QLineEdit* DefaultDataset() const { return m_defaultDataset; }
    QCheckBox* Adjustment() const { return m_adjustment; }
    QLineEdit* Factor() const { return m_factor; }
    QLineEdit* Offset() const { return m_offset; }
    QLineEdit* Unit() const { return m_unit; }

private:
    CQuenarChannelDef& m_definition;
    QuenarMessenger& m_messenger;
    QLineEdit* m_identifier;
    QLineEdit* m_defaultDataset;
    QCheckBox* m_adjustment;
    QLineEdit* m_factor;
    QLineEdit* m_offset;
    QLineEdit* m_unit;
};

// "Calibration": the range an integer format scales into. A symmetric range shows
// "= -Maximum" instead of the minimum, which then is the negative maximum.
class CCalibrationPage : public EditPage {
    Q_OBJECT
public:
    CCalibrationPage(QuenarCalibrationRange& range, bool symmetric, QuenarMessenger& messenger,
                     QWidget* parent = nullptr);
    bool Validate() override;
    void Apply() override;

    QComboBox* Mode() const { return m_mode; }
    QLineEdit* Minimum() const { return m_minimum; }
    QLineEdit* Maximum() const { return m_maximum; }

private:
    void UpdateEnabled();

    QuenarCalibrationRange& m_range;
    const bool m_symmetric;
    QuenarMessenger& m_messenger;
    QComboBox* m_mode;
    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    QLabel* m_minusMaximum;
};

// "File name": the definition's own output file name.
class CChannelFileNamePage : public EditPage {
    Q_OBJECT
public:
    explicit CChannelFileNamePage(CQuenarChannelDef1File& definition, QWidget* parent = nullptr);
    void Apply() override;

    QLineEdit* FileName() const { return m_fileName; }

private:
    CQuenarChannelDef1File& m_definition;
    QLineEdit* m_fileName;
};

ChannelPageFactory ChannelGeneralPageFactory();
// The calibration page over the range a format's definition holds.
ChannelPageFactory CalibrationPageFactory(
    std::function<QuenarCalibrationRange*(CQuenarChannelDef&)> range, bool symmetric);
// No page for a definition that has no file name of its own.
ChannelPageFactory ChannelFileNamePageFactory();

}  // namespace grafyon::exportfilter
