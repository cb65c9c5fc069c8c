// The Support page: where to get help, with web and mail links.
#pragma once

#include <QWidget>

#include "about/brisel_settings.h"
#include "about/oem_profile.h"

namespace grafyon::about {

class CLinkControl;

class CSupportPage : public QWidget {
    Q_OBJECT
public:
    CSupportPage(const BriselSettings& settings, const OemProfile& oem, QWidget* parent = nullptr);

    CLinkControl* InternetLink() const { return m_internet; }
    CLinkControl* MailLink() const { return m_email; }

private:
    CLinkControl* m_internet;
    CLinkControl* m_email;
};

}  // namespace grafyon::about
