// Writes the help pages of every block kind: helpgen OUTPUT_FOLDER [TRANSLATION.qm]
#include "HelpPages.h"

#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: helpgen OUTPUT_FOLDER [TRANSLATION.qm]\n");
        return 2;
    }
    // Installed before any descriptor is built, so the block names come translated.
    QTranslator translator;
    if (arguments.size() > 2) {
        if (!translator.load(arguments.at(2))) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(arguments.at(2)));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    return HelpPages(arguments.at(1)).write(libraryPages()) ? 0 : 1;
}
