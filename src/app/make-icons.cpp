// Writes the program's picture as hicolor theme PNGs (DIR/NxN/apps/quill-miz.png)
// for the desktop, from the same drawing the windows use.
#include "VURToolbarImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QIcon icon = VURToolbarImages::DrawnIcon(QStringLiteral("Application"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder))
            return 1;
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        if (image.size() != QSize(size, size) || !image.save(folder + QStringLiteral("/quill-miz.png")))
            return 1;
    }
    return 0;
}
