// The System page: memory and free disk space.
#pragma once

#include <QWidget>

namespace grafyon::about {

class CSystemPage : public QWidget {
    Q_OBJECT
public:
    explicit CSystemPage(QWidget* parent = nullptr);
};

}  // namespace grafyon::about
