// entrega-admin: creates the embedded databases of a data folder.
//   entrega-admin init FOLDER [--force]
//   entrega-admin demo FOLDER [--vouchers N] [--today M] [--force]
#include "Bases.h"
#include "Demo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <optional>
#include <unistd.h>

using namespace entrega::admin;

namespace {

constexpr int salidaError = 1;
constexpr int salidaUso = 2;

void escribir(std::FILE* salida, const QString& texto) {
    std::fputs(texto.toLocal8Bit().constData(), salida);
    std::fflush(salida);
}

int uso(const QString& problema = {}) {
    if (!problema.isEmpty())
        escribir(stderr, QStringLiteral("entrega-admin: %1\n").arg(problema));
    escribir(stderr, QStringLiteral(
                         "uso:\n"
                         "  entrega-admin init CARPETA [--force]\n"
                         "      bases vacías de trabajo (%1) y de estadísticas (%2)\n"
                         "  entrega-admin demo CARPETA [--vouchers N] [--today M] [--force]\n"
                         "      una demostración con N comprobantes (20000), M remitos entregados hoy (12)\n"
                         "  --force reemplaza las bases que ya existan en la carpeta\n")
                         .arg(baseTrabajo, baseEstadisticas));
    return salidaUso;
}

struct Orden {
    QString comando;
    QString carpeta;
    bool reemplazar = false;
    long long comprobantes = OpcionesDemo{}.comprobantes;
    long long entregadosHoy = OpcionesDemo{}.entregadosHoy;
};

std::optional<long long> cantidad(const QString& texto) {
    bool ok = false;
    const long long n = texto.toLongLong(&ok);
    return ok && n >= 0 ? std::optional(n) : std::nullopt;
}

// Fills `orden` from the arguments; returns the problem found, or empty text.
QString leerArgumentos(const QStringList& argumentos, Orden& orden) {
    QStringList posicionales;
    for (int i = 1; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        if (a == QLatin1String("--force"))
            orden.reemplazar = true;
        else if (a == QLatin1String("--vouchers") || a == QLatin1String("--today")) {
            const auto n = i + 1 < argumentos.size() ? cantidad(argumentos[++i]) : std::nullopt;
            if (!n)
                return QStringLiteral("%1 necesita un número entero no negativo").arg(a);
            (a == QLatin1String("--vouchers") ? orden.comprobantes : orden.entregadosHoy) = *n;
        } else if (a.startsWith(QLatin1String("--")))
            return QStringLiteral("opción desconocida %1").arg(a);
        else
            posicionales << a;
    }
    if (posicionales.size() != 2)
        return posicionales.isEmpty() ? QString(QStringLiteral("falta el comando"))
                                      : QStringLiteral("se esperaba un comando y una carpeta");
    orden.comando = posicionales[0];
    orden.carpeta = posicionales[1];
    if (orden.comando != QLatin1String("init") && orden.comando != QLatin1String("demo"))
        return QStringLiteral("comando desconocido %1").arg(orden.comando);
    return {};
}

int init(const Orden& orden) {
    crearBasesVacias(orden.carpeta, orden.reemplazar);
    escribir(stdout,
             QStringLiteral("Bases vacías creadas:\n  %1\n  %2\n")
                 .arg(archivoBase(orden.carpeta, baseTrabajo), archivoBase(orden.carpeta, baseEstadisticas)));
    return 0;
}

int demo(const Orden& orden) {
    OpcionesDemo opciones;
    opciones.comprobantes = orden.comprobantes;
    opciones.entregadosHoy = orden.entregadosHoy;
    opciones.reemplazar = orden.reemplazar;
    // Percent on one line, only where someone watches it.
    const bool terminal = isatty(fileno(stderr));
    const Progreso progreso = [terminal](int porcentaje) {
        if (terminal)
            escribir(stderr, QStringLiteral("\rCreando la demostración... %1%").arg(porcentaje, 3));
    };
    QElapsedTimer reloj;
    reloj.start();
    const ResumenDemo resumen = crearDemo(orden.carpeta, opciones, progreso);
    if (terminal)
        escribir(stderr, QStringLiteral("\n"));
    const QString carpeta = QDir(orden.carpeta).absolutePath();
    const QString segundos = QString::number(reloj.elapsed() / 1000.0, 'f', 1);
    QString texto = QStringLiteral("Demostración creada en %1 (%2 s):\n").arg(carpeta, segundos);
    texto += QStringLiteral("  %1 comprobantes, %2 líneas de stock, %3 partes entregadas\n")
                 .arg(resumen.comprobantes)
                 .arg(resumen.lineasStock)
                 .arg(resumen.partesEntregadas);
    texto += QStringLiteral("  hoy: %1 remitos entregados, %2 por entregar (para probar: %3)\n")
                 .arg(opciones.entregadosHoy)
                 .arg(resumen.pendientesHoy)
                 .arg(resumen.clavesParaProbar.join(QStringLiteral(", ")));
    texto += QStringLiteral("Operador %1, clave %2. Para iniciar el cliente:\n").arg(usuarioDemo, claveDemo);
    texto += QStringLiteral("  ENTREGA_DATOS=%1 entrega \"%2\"\n").arg(carpeta, cadenaParametrosDemo());
    escribir(stdout, texto);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);
    Orden orden;
    if (const QString problema = leerArgumentos(aplicacion.arguments(), orden); !problema.isEmpty())
        return uso(problema);
    try {
        return orden.comando == QLatin1String("init") ? init(orden) : demo(orden);
    } catch (const std::invalid_argument& e) {
        return uso(QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        escribir(stderr, QStringLiteral("entrega-admin: %1\n").arg(QString::fromStdString(e.what())));
        return salidaError;
    }
}
