// The Version page: the picture, the program's version, the module list, the distributor.
#pragma once

#include <QWidget>

#include <vector>

#include "about/brisel_settings.h"
#include "about/oem_profile.h"

class QLabel;
class QPixmap;
class QTreeWidget;

namespace grafyon::about {

class CVersionPage : public QWidget {
    Q_OBJECT
public:
    CVersionPage(const BriselSettings& settings, const std::vector<ModuleRow>& modules,
                 const OemProfile& oem, const QPixmap* picture, QWidget* parent = nullptr);
};

}  // namespace grafyon::about
