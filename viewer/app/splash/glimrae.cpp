// The splash-screen library on QSplashScreen.
#include "glimrae.h"

#include <QApplication>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QSplashScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

struct GlimraeObject {
    std::string bitmapPath;  // the branded picture, empty without one
    QPointer<QSplashScreen> splash;
};

namespace {

// The library's objects; they live until the process ends, as callers never free them.
std::vector<std::unique_ptr<GlimraeObject>>& Objects() {
    static std::vector<std::unique_ptr<GlimraeObject>> objects;
    return objects;
}

bool IsValid(GlimraeHandle handle) {
    const auto& objects = Objects();
    return handle != nullptr &&
           std::any_of(objects.begin(), objects.end(),
                       [handle](const auto& object) { return object.get() == handle; });
}

bool IsReadableFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && info.isReadable();
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The picture shown when the family provides none: the name over a few curves.
QPixmap BuiltInPicture(const QString& appName) {
    constexpr int WIDTH = 440;
    constexpr int HEIGHT = 240;
    QPixmap picture(WIDTH, HEIGHT);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, HEIGHT);
    background.setColorAt(0.0, QColor(16, 40, 88));
    background.setColorAt(1.0, QColor(6, 16, 40));
    painter.fillRect(picture.rect(), background);

    const QColor colors[] = {QColor(0, 128, 255), QColor(255, 128, 0), QColor(0, 255, 128)};
    for (int curve = 0; curve < 3; ++curve) {
        QPainterPath path;
        for (int x = 0; x <= WIDTH; x += 4) {
            const double phase = x / 37.0 + curve * 1.7;
            const double y =
                HEIGHT * 0.68 + 26.0 * std::sin(phase) * std::cos(phase / (2.0 + curve));
            if (x == 0) {
                path.moveTo(x, y);
            } else {
                path.lineTo(x, y);
            }
        }
        painter.setPen(QPen(colors[curve], 2.0));
        painter.drawPath(path);
    }

    QFont font = painter.font();
    font.setPixelSize(56);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 24, WIDTH, 90), Qt::AlignCenter, appName);
    font.setPixelSize(14);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(200, 210, 230));
    painter.drawText(QRect(0, HEIGHT - 28, WIDTH - 12, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Vantorelline"));
    return picture;
}

}  // namespace

int GlimraeCreateObject(GlimraeHandle& handle) {
    Objects().push_back(std::make_unique<GlimraeObject>());
    handle = Objects().back().get();
    return GLIMRAE_OK;
}

int GlimraeOemIniLoadAndSet(GlimraeHandle handle, const std::string& iniPath, const std::string&,
                            const std::string& familyFolder, const std::string& bitmapName,
                            int& result) {
    if (!IsValid(handle))
        return GLIMRAE_BAD_HANDLE;
    result = 0;
    handle->bitmapPath.clear();
    // Without a family folder the OEM path points at the root: no branding there.
    if (familyFolder.empty())
        return GLIMRAE_OK;
    if (IsReadableFile(iniPath))
        result |= GLIMRAE_INI_FOUND;
    if (bitmapName.empty() || bitmapName.find('/') != std::string::npos)
        return GLIMRAE_OK;
    for (const std::string& folder : {FolderOf(iniPath), familyFolder}) {
        if (folder.empty())
            continue;
        const std::string candidate = Join(folder, bitmapName);
        if (IsReadableFile(candidate)) {
            handle->bitmapPath = candidate;
            result |= GLIMRAE_BITMAP_FOUND;
            break;
        }
    }
    return GLIMRAE_OK;
}

int GlimraeCreate(GlimraeHandle handle, const std::string& appName, int result, QWidget* parent,
                  int displayMs) {
    if (!IsValid(handle))
        return GLIMRAE_BAD_HANDLE;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return GLIMRAE_NO_APPLICATION;
    }
    QPixmap picture;
    if ((result & GLIMRAE_BITMAP_FOUND) != 0 && !handle->bitmapPath.empty()) {
        picture.load(QString::fromStdString(handle->bitmapPath));
    }
    // A branded file that does not load as a picture gives way to the built-in one.
    if (picture.isNull())
        picture = BuiltInPicture(QString::fromStdString(appName));

    // Qt owns the window from here: it deletes it when it closes (timer or click); a
    // process that ends sooner leaves it to the system.
    auto* splash = new QSplashScreen(picture);
    if (parent != nullptr)
        splash->setParent(parent, splash->windowFlags());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    // Its closing must not end a program whose main window is hidden.
    splash->setAttribute(Qt::WA_QuitOnClose, false);
    handle->splash = splash;
    splash->show();
    QTimer::singleShot(std::max(displayMs, 0), splash, &QWidget::close);
    return GLIMRAE_OK;
}

bool GlimraeIsShowing(GlimraeHandle handle) {
    return IsValid(handle) && handle->splash != nullptr && handle->splash->isVisible();
}
