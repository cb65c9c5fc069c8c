// The Options page: the program's options with their state.
#pragma once

#include <QWidget>

#include <vector>

#include "about/brisel_settings.h"

namespace grafyon::about {

class COptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit COptionsPage(const std::vector<OptionRow>& options, QWidget* parent = nullptr);
};

}  // namespace grafyon::about
