#pragma once
// The process-wide values of a running client, in one object that main creates once and hands by reference
// to every routine that reads or writes them. A test makes its own; a test of two workstations makes two.
#include "companion/Ajustes.h"
#include "companion/cAplicacion.h"
#include "companion/cAuxRuta.h"
#include "companion/cCampos.h"
#include "companion/cEquipo.h"
#include "companion/cEspera.h"
#include "companion/cIni.h"
#include "companion/cSesion.h"
#include "companion/cUtil.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

namespace entrega {

class ServicioDialogos;

// Thrown by Contexto::terminar when the end handler returns (tests): unwinds the routine that ended the program.
struct ProgramaTerminado {};

class Contexto {
public:
    explicit Contexto(ServicioDialogos& dialogos);
    Contexto(const Contexto&) = delete;
    Contexto& operator=(const Contexto&) = delete;

    // Session values.
    QString UsuarioSistema;
    QString ClaveUsuario;
    QString ParametroAdicional;
    std::int16_t TiempoEspera = 0;
    bool EsAdministrador = false;
    QString TablaConfiguracion;
    bool UtilizarFechaDia = false;
    std::int32_t ColorLetra = 0;
    std::int32_t ColorFondo = 0xFFFFFF;
    Ajustes ajustes;

    // Companion objects: created with the context, living as long as it does.
    cSesion sesion;       // the main session: every ordinary query, write and configuration read
    cSesion estadisticas; // the statistics session: only CfgKV and GrabaCfgKV
    cUtil util;
    cIni ini;
    cEquipo equipo;
    cCampos campos;
    cAplicacion aplicacion;
    cEspera espera;
    cAuxRuta auxRuta;

    // The platform.
    ServicioDialogos& dialogos;
    std::function<QDateTime()> reloj = [] { return QDateTime::currentDateTime(); };
    QString carpetaPrograma;  // the executable's folder, or ENTREGA_PROGRAMA
    QString carpetaDatos;     // the embedded engine's databases: ENTREGA_DATOS, or the program folder
    QString nombreEjecutable; // without folder and extension
    QString titulo;
    QString lineaDeComandos;  // the arguments after the program name, joined by blanks
    QString archivoAyuda;

    // "The program ends at once": runs the end handler (main leaves the process); when the handler returns,
    // as in tests, ProgramaTerminado unwinds whatever routine asked for the end.
    [[noreturn]] void terminar();
    std::function<void()> alTerminar;
    bool terminado() const { return m_terminado; }

    // The folders from the environment (ENTREGA_PROGRAMA, ENTREGA_DATOS) or the executable's folder.
    void tomarCarpetas(const QString& carpetaEjecutable);

private:
    bool m_terminado = false;
};

} // namespace entrega
