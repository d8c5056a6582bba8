// The delivery client: the delivery screen, opened on the session the command line names.
#include "companion/Contexto.h"
#include "delivery/FrmEntregaMercaderia.h"
#include "dialogs/DialogosQt.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    entrega::DialogosQt dialogos;
    entrega::Contexto ctx(dialogos);
    ctx.tomarCarpetas(QCoreApplication::applicationDirPath());
    ctx.lineaDeComandos = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    ctx.nombreEjecutable = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    ctx.titulo = QCoreApplication::applicationName();
    // Nothing is saved on the way out; the sessions close with the process.
    ctx.alTerminar = [] { std::_Exit(0); };

    entrega::FrmEntregaMercaderia pantalla(ctx);
    pantalla.Form_Load();
    pantalla.show();
    return app.exec();
}
