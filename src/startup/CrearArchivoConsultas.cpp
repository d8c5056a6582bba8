#include "startup/CrearArchivoConsultas.h"

#include "companion/Contexto.h"
#include "core/Falla.h"
#include "core/Texto.h"

#include <QFile>
#include <QStringEncoder>

namespace entrega {

namespace {

// One record: name 100, source 100, columns 500, extra 500, CR LF.
constexpr qint64 largoRegistro = 1202;

struct Consulta {
    QString nombre;
    QString origen;
    QString columnas;
};

// The suite's standard lookups, in file order.
const Consulta consultasEstandar[] = {
    {QStringLiteral("ARTICULOS"), QStringLiteral("V_MA_ARTICULOS"),
     QStringLiteral("|DESCRIPCION|IDARTICULO|")},
    {QStringLiteral("CLIENTES"), QStringLiteral("VT_CLIENTES"),
     QStringLiteral("|RAZON_SOCIAL|CODIGO|CONTACTO|")},
    {QStringLiteral("PROVEEDORES"), QStringLiteral("VT_PROVEEDORES"),
     QStringLiteral("|RAZON_SOCIAL|CODIGO|")},
    {QStringLiteral("CONTACTOS"), QStringLiteral("MA_CONTACTOS"),
     QStringLiteral("|Nombre_y_Apellido|Domicilio|Localidad|Telefono|")},
    {QStringLiteral("VENDEDORES"), QStringLiteral("V_TA_VENDEDORES"), QStringLiteral("|NOMBRE|IDVENDEDOR|")},
    {QStringLiteral("TECNICOS"), QStringLiteral("V_TA_TECNICOS"), QStringLiteral("|NOMBRE|IDTECNICO|")},
    {QStringLiteral("MANTENIMIENTOS"), QStringLiteral("V_MA_MANTENIMIENTOS"),
     QStringLiteral("|DESCRIPCION|CODIGO|")},
    {QStringLiteral("CUENTAS"), QStringLiteral("MA_CUENTAS"), QStringLiteral("|DESCRIPCION|CODIGO|")},
    {QStringLiteral("TAREAS"), QStringLiteral("V_TA_Tareas"), QStringLiteral("|Descripcion|IdTarea|")},
    {QStringLiteral("UnidadNegocio"), QStringLiteral("V_TA_UnidadNegocio"),
     QStringLiteral("|Descripcion|Codigo|")},
    {QStringLiteral("DEPOSITO"), QStringLiteral("V_TA_DEPOSITO"), QStringLiteral("|Descripcion|IdDeposito|")},
};

// A text in the suite's single-byte code page, cut or filled with blanks to the field's length.
QByteArray campo(const QString& texto, qsizetype largo) {
    QStringEncoder windows1252("windows-1252");
    QByteArray bytes = windows1252.encode(texto);
    bytes.truncate(largo);
    return bytes.leftJustified(largo, ' ');
}

QByteArray registro(const Consulta& consulta) {
    return campo(texto::recortar(consulta.nombre), 100) + campo(consulta.origen, 100) +
           campo(texto::recortar(consulta.columnas), 500) + campo(QString(), 500) + QByteArrayLiteral("\r\n");
}

[[noreturn]] void fallaDeArchivo(const QFile& archivo) {
    throw Falla(errores::AccesoARuta, textoDeError(errores::AccesoARuta) + QStringLiteral(": ") +
                                          archivo.fileName() + QStringLiteral(" (") + archivo.errorString() +
                                          u')');
}

} // namespace

// Each record goes after the last complete one, as the suite's other programs append to the file.
void CrearArchivoConsultas(Contexto& ctx) {
    QFile archivo(ctx.aplicacion.ArchivoConsultas);
    if (!archivo.open(QIODevice::ReadWrite))
        fallaDeArchivo(archivo);
    for (const Consulta& consulta : consultasEstandar) {
        const qint64 numero = archivo.size() / largoRegistro + 1;
        if (!archivo.seek((numero - 1) * largoRegistro) || archivo.write(registro(consulta)) != largoRegistro)
            fallaDeArchivo(archivo);
    }
    if (!archivo.flush())
        fallaDeArchivo(archivo);
}

} // namespace entrega
