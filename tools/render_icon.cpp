// Draws an SVG into a square PNG of the given size, for the icon theme's fixed sizes:
//   talvera-render-icon SVG SIZE PNG
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <iostream>

int main(int argc, char* argv[]) {
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool sized = false;
    const int size = arguments.size() == 4 ? arguments.at(2).toInt(&sized) : 0;
    if (!sized || size <= 0) {
        std::cerr << "usage: talvera-render-icon SVG SIZE PNG\n";
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::cerr << "talvera-render-icon: cannot read " << arguments.at(1).toStdString() << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(arguments.at(3), "PNG")) {
        std::cerr << "talvera-render-icon: cannot write " << arguments.at(3).toStdString() << '\n';
        return 1;
    }
    return 0;
}
