#pragma once
// The connection's Errors collection: provider diagnostics, record by record, in the order they came.
#include "core/Falla.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace entrega::ado {

struct ErrorProveedor {
    std::int32_t numero = 0; // the provider's HRESULT-style number (for a server error, -2147217900)
    std::int32_t nativo = 0; // the server's native error (SQL Server numbers: 2627, 547, 208, ...)
    QString estadoSql;       // SQL state, five characters
    QString descripcion;
    QString origen;
};

class Errors {
  public:
    int Count() const { return static_cast<int>(m_items.size()); }
    const ErrorProveedor& Item(int i) const { return m_items.at(i); }
    void Clear() { m_items.clear(); }
    void agregar(const ErrorProveedor& e) { m_items.append(e); }
    const QList<ErrorProveedor>& items() const { return m_items; }

  private:
    QList<ErrorProveedor> m_items;
};

// ADO's own failure numbers and texts, which callers test.
namespace fallas {
constexpr std::int32_t NoActualizable = 3251;
constexpr std::int32_t ObjetoCerrado = 3704;
constexpr std::int32_t ObjetoAbierto = 3705;
constexpr std::int32_t SinRegistroActual = 3021;
constexpr std::int32_t ElementoNoEncontrado = 3265;
constexpr std::int32_t FilaNoLocalizada = -2147217864; // 0x80040E38
constexpr std::int32_t ErrorDeServidor = -2147217900;  // 0x80040E14, a statement the server refused
constexpr std::int32_t NoConecta = -2147467259;        // 0x80004005, the connection could not open
constexpr std::int32_t TiempoAgotado = -2147217871;    // 0x80040E31, the command time-out ran out
constexpr std::int32_t VariosPasos = -2147217887;      // 0x80040E21, a value the field cannot take
} // namespace fallas

QString textoFallaAdo(std::int32_t numero);
// The failure for one of ADO's own numbers, with ADO's text.
Falla fallaAdo(std::int32_t numero, const QString& origen);

} // namespace entrega::ado
