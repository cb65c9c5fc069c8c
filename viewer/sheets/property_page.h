// One page of a property sheet: a titled widget that hands its fields back when it is left.
#pragma once

#include <QString>
#include <QWidget>

namespace grafyon {

class DataExchange;

class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }

    // Reads every field into the sheet's working values; false when the exchange refused
    // an entry (it has then been reported and focused, unless the pass is silent).
    virtual bool SaveFields(DataExchange& exchange) = 0;

private:
    QString m_title;
};

}  // namespace grafyon
