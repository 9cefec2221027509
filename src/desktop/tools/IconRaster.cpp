// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG icon to square PNGs in the icon theme's folder layout:
//   varnock-icon-raster ICON.svg OUTPUT-DIR SIZE...
// writes OUTPUT-DIR/<SIZE>x<SIZE>/apps/<name of ICON>.png for every size.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool writePng(QSvgRenderer& renderer, int side, const QString& path) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTPUT-DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG drawing\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + QStringLiteral(".png");
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || side <= 0) {
            std::fprintf(stderr, "%s: not a size\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps/").arg(side);
        if (!writePng(renderer, side, output.filePath(folder + name))) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", side, side);
            return 1;
        }
    }
    return 0;
}
