// Renders the application icon's SVG into a square PNG of the given size at build time,
// through Qt's SVG image plugin, so the bitmaps never drift from the drawing.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <charconv>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: render_icon IN.svg SIZE OUT.png\n", stderr);
        return 1;
    }
    const std::string_view sizeText = argv[2];
    int size = 0;
    const auto [end, error] =
        std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < 8 ||
        size > 1024) {
        std::fprintf(stderr, "render_icon: bad size \"%s\"\n", argv[2]);
        return 1;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "render_icon: %s\n", reader.errorString().toLocal8Bit().constData());
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write \"%s\"\n", argv[3]);
        return 1;
    }
    return 0;
}
