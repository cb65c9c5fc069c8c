// The base of the property pages.
#include "viewer/sheets/property_page.h"

namespace grafyon {

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title) {}

}  // namespace grafyon
