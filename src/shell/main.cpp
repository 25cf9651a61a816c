#include "DataFolder.h"
#include "Fonts.h"
#include "Stage.h"
#include "Titlefrm.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terralore"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terralore"));

    if (terralore::prepareDataFolder().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Terralore"),
                              QStringLiteral("Terralore could not find or create its data folder."));
        return 1;
    }
    terralore::registerFonts();

    terralore::Stage &stage = terralore::Stage::instance();
    if (qEnvironmentVariableIsSet("TERRALORE_WINDOWED"))
        stage.show();
    else
        stage.showFullScreen();
    Titlefrm().Show();
    return QApplication::exec();
}
