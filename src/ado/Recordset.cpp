#include "ado/Recordset.h"

#include "ado/dialect/Lexico.h"
#include "core/Fecha.h"

namespace entrega::ado {

using namespace Qt::StringLiterals;

namespace {

const QString origen = u"Entrega.Recordset"_s;

// One row of an updatable set, as read and as the client changed it.
struct Fila {
    QList<Variant> original;
    QList<Variant> valores;
    QList<bool> cambiado;
    bool nueva = false;
    bool borrada = false;

    bool pendiente() const { return !borrada && (nueva || cambiado.contains(true)); }
};

// The table a SELECT reads, as written after its FROM ("dbo.T" stays whole); empty when there is none.
QString tablaDelFrom(const QString& sql) {
    using dialecto::Token;
    const QList<Token> t = dialecto::tokenizar(sql);
    int profundidad = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].esSimbolo(u"("))
            ++profundidad;
        else if (t[i].esSimbolo(u")"))
            --profundidad;
        if (profundidad != 0 || !t[i].esPalabra(u"FROM"))
            continue;
        QString tabla;
        for (qsizetype j = i + 1; j < t.size(); ++j) {
            if (t[j].clase == Token::Blanco && tabla.isEmpty())
                continue;
            if (t[j].clase != Token::Palabra && t[j].clase != Token::Nombre && !t[j].esSimbolo(u"."))
                break;
            tabla += t[j].texto;
        }
        return tabla;
    }
    return {};
}

QString sinComillas(const QString& nombre) {
    QString parte = nombre.section(u'.', -1);
    if (parte.size() >= 2 && (parte.front() == u'[' || parte.front() == u'"'))
        parte = parte.mid(1, parte.size() - 2);
    return parte;
}

QString nombreSql(const QString& columna) {
    return u'"' + QString(columna).replace(u'"', u"\"\""_s) + u'"';
}

} // namespace

struct Recordset::Estado : LectorPendiente {
    Connection* conexion = nullptr;
    QString sql;
    bool actualizable = false;
    bool bof = true;
    bool eof = true;
    QList<Columna> columnas;

    // A forward-only read-only set streams its rows from the engine, until the connection runs something
    // else: it then holds the rows it had not read yet.
    bool soloAvance = false;
    std::unique_ptr<Cursor> cursor;
    bool enPrimera = false;

    // Any other set holds its rows.
    bool enMemoria = false;
    QList<Fila> filas;
    qsizetype actual = 0;
    QString tabla;
    QList<int> clave; // the columns that name a row in WHERE

    // Names as callers passed them, kept (so their text stays where it is) and found again by address: a
    // list reads the same fields by name on every row, in the same order.
    QList<std::pair<QString, int>> vistos;
    qsizetype proximo = 0;

    int indiceDe(const QString& nombre) {
        for (qsizetype k = 0; k < vistos.size(); ++k) {
            const qsizetype j = proximo + k < vistos.size() ? proximo + k : proximo + k - vistos.size();
            const auto& [visto, i] = vistos[j];
            if (visto.constData() == nombre.constData() && visto.size() == nombre.size()) {
                proximo = j + 1 < vistos.size() ? j + 1 : 0;
                return i;
            }
        }
        const int i = indice(nombre);
        if (vistos.size() < 4 * columnas.size())
            vistos.append({nombre, i});
        return i;
    }

    void leerPrimera() {
        enPrimera = true;
        avanzarCursor();
        bof = eof;
    }

    void avanzarCursor() {
        try {
            eof = !cursor->siguiente();
        } catch (const ErrorMotor& e) {
            soltarCursor();
            conexion->fallaDelMotor(e);
        }
        if (eof)
            soltarCursor();
    }

    void soltarCursor() {
        cursor.reset();
        conexion->olvidar(this);
    }

    Fila filaDelCursor() const {
        Fila fila;
        for (int i = 0; i < columnas.size(); ++i)
            fila.valores.append(cursor->valor(i));
        fila.original = fila.valores;
        fila.cambiado.fill(false, columnas.size());
        return fila;
    }

    // The rows from the current one on, into memory; the cursor is released.
    void cargar(bool desdeLaActual) {
        try {
            if (desdeLaActual && !eof)
                filas.append(filaDelCursor());
            while (cursor->siguiente())
                filas.append(filaDelCursor());
        } catch (const ErrorMotor& e) {
            cursor.reset();
            conexion->fallaDelMotor(e);
        }
        cursor.reset();
        enMemoria = true;
        actual = 0;
        eof = filas.isEmpty();
    }

    void leerResto() override {
        if (cursor)
            cargar(true);
    }

    void olvidarConexion() override { *this = Estado(); }

    void leerClave() {
        const QStringList primaria = conexion->clavePrimaria(sinComillas(tabla));
        for (const QString& nombre : primaria) {
            const int i = indice(nombre);
            if (i < 0) {
                clave.clear();
                break;
            }
            clave.append(i);
        }
        if (clave.isEmpty())
            for (int i = 0; i < columnas.size(); ++i)
                clave.append(i);
    }

    int indice(const QString& nombre) const {
        for (int i = 0; i < columnas.size(); ++i)
            if (columnas[i].nombre.compare(nombre, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    Fila* filaActual() {
        if (bof || eof || (enMemoria && filas[actual].borrada))
            return nullptr;
        return enMemoria ? &filas[actual] : nullptr;
    }

    Fila& filaParaEscribir() {
        if (!actualizable)
            throw fallaAdo(fallas::NoActualizable, origen);
        Fila* fila = filaActual();
        if (!fila)
            throw fallaAdo(fallas::SinRegistroActual, origen);
        return *fila;
    }

    // "WHERE" naming the row by its key and by the original value of every other column in `ademas`.
    QString donde(const Fila& fila, const QList<int>& ademas, QList<Variant>& parametros) const {
        QList<int> columnasDonde = clave;
        for (int i : ademas)
            if (!columnasDonde.contains(i))
                columnasDonde.append(i);
        QStringList condiciones;
        for (int i : columnasDonde) {
            const Variant& v = fila.original[i];
            if (v.esNulo() || v.esVacio()) {
                condiciones.append(nombreSql(columnas[i].nombre) + u" IS NULL"_s);
            } else {
                condiciones.append(nombreSql(columnas[i].nombre) + u" = ?"_s);
                parametros.append(v);
            }
        }
        return u" WHERE "_s + condiciones.join(u" AND "_s);
    }

    void insertar(Fila& fila) {
        QStringList nombres, marcas;
        QList<Variant> parametros;
        for (int i = 0; i < columnas.size(); ++i) {
            if (!fila.cambiado[i])
                continue;
            nombres.append(nombreSql(columnas[i].nombre));
            marcas.append(u"?"_s);
            parametros.append(fila.valores[i]);
        }
        const QString sql =
            nombres.isEmpty()
                ? u"INSERT INTO %1 DEFAULT VALUES"_s.arg(tabla)
                : u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(tabla, nombres.join(u','), marcas.join(u','));
        conexion->ejecutarPropio(sql, parametros);
    }

    void actualizar(Fila& fila) {
        QStringList asignaciones;
        QList<Variant> parametros;
        QList<int> cambiadas;
        for (int i = 0; i < columnas.size(); ++i) {
            if (!fila.cambiado[i])
                continue;
            asignaciones.append(nombreSql(columnas[i].nombre) + u" = ?"_s);
            parametros.append(fila.valores[i]);
            cambiadas.append(i);
        }
        const QString sql =
            u"UPDATE %1 SET %2"_s.arg(tabla, asignaciones.join(u", "_s)) + donde(fila, cambiadas, parametros);
        if (conexion->ejecutarPropio(sql, parametros) == 0)
            noLocalizada();
    }

    void borrar(Fila& fila) {
        QList<Variant> parametros;
        const QString sql = u"DELETE FROM %1"_s.arg(tabla) + donde(fila, {}, parametros);
        if (conexion->ejecutarPropio(sql, parametros) == 0)
            noLocalizada();
    }

    [[noreturn]] void noLocalizada() {
        conexion->fallaDelMotor(ErrorMotor(
            {{fallas::FilaNoLocalizada, 0, u"01001"_s, textoFallaAdo(fallas::FilaNoLocalizada), origen}}));
    }

    // Writes the current row's pending change, as ADO does before it leaves the row.
    void guardar() {
        Fila* fila = filaActual();
        if (!fila || !fila->pendiente())
            return;
        if (fila->nueva)
            insertar(*fila);
        else
            actualizar(*fila);
        fila->nueva = false;
        fila->original = fila->valores;
        fila->cambiado.fill(false);
    }

    void avanzarEnMemoria() {
        while (actual < filas.size() && filas[actual].borrada)
            ++actual;
        eof = actual >= filas.size();
    }
};

Recordset::Recordset() : m(std::make_unique<Estado>()) {}
Recordset::~Recordset() {
    if (m->conexion)
        m->conexion->olvidar(m.get());
}

void Recordset::Open(const QString& sql, Connection& conexion, int tipoCursor, int tipoBloqueo) {
    if (m->conexion)
        throw fallaAdo(fallas::ObjetoAbierto, origen);
    Estado e;
    e.conexion = &conexion;
    e.sql = sql;
    e.cursor = conexion.consultar(sql);
    e.columnas = e.cursor->columnas();
    e.tabla = tablaDelFrom(sql);
    e.actualizable = tipoBloqueo != adLockReadOnly && !e.tabla.isEmpty();
    e.soloAvance = !e.actualizable && tipoCursor == adOpenForwardOnly;
    if (e.soloAvance) {
        e.leerPrimera();
    } else {
        e.cargar(false);
        e.bof = e.eof;
    }
    if (e.actualizable)
        e.leerClave();
    *m = std::move(e);
    if (m->cursor)
        conexion.registrar(m.get());
}

void Recordset::Close() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    m->conexion->olvidar(m.get());
    *m = Estado();
}

int Recordset::State() const {
    return m->conexion ? adStateOpen : adStateClosed;
}

bool Recordset::BOF() const {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    return m->bof;
}

bool Recordset::EOF() const {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    return m->eof;
}

void Recordset::MoveFirst() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    if (!m->soloAvance) {
        m->guardar();
        m->actual = 0;
        m->avanzarEnMemoria();
        m->bof = m->eof;
    } else if (!m->enPrimera) {
        // Back to the start of a forward-only set: the engine runs the query again.
        m->soltarCursor();
        m->filas.clear();
        m->enMemoria = false;
        m->cursor = m->conexion->consultar(m->sql);
        m->leerPrimera();
        if (m->cursor)
            m->conexion->registrar(m.get());
    }
    if (m->bof && m->eof)
        throw fallaAdo(fallas::SinRegistroActual, origen);
}

void Recordset::MoveNext() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    if (m->eof)
        throw fallaAdo(fallas::SinRegistroActual, origen);
    m->bof = false;
    m->enPrimera = false;
    if (m->enMemoria) {
        m->guardar();
        ++m->actual;
        m->avanzarEnMemoria();
        return;
    }
    m->avanzarCursor();
}

int Recordset::FieldCount() const {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    return int(m->columnas.size());
}

Field Recordset::Fields(int indice) {
    if (indice < 0 || indice >= FieldCount())
        throw fallaAdo(fallas::ElementoNoEncontrado, origen);
    return Field(this, indice);
}

Field Recordset::Fields(const QString& nombre) {
    FieldCount();
    const int i = m->indiceDe(nombre);
    if (i < 0)
        throw fallaAdo(fallas::ElementoNoEncontrado, origen);
    return Field(this, i);
}

void Recordset::AddNew() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    if (!m->actualizable)
        throw fallaAdo(fallas::NoActualizable, origen);
    m->guardar();
    Fila fila;
    fila.valores.fill(Variant::nulo(), m->columnas.size());
    fila.original = fila.valores;
    fila.cambiado.fill(false, m->columnas.size());
    fila.nueva = true;
    m->filas.append(std::move(fila));
    m->actual = m->filas.size() - 1;
    m->bof = m->eof = false;
}

void Recordset::Delete() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    Fila& fila = m->filaParaEscribir();
    if (!fila.nueva)
        m->borrar(fila);
    fila.borrada = true;
}

void Recordset::Update() {
    if (!m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    if (!m->actualizable)
        throw fallaAdo(fallas::NoActualizable, origen);
    m->guardar();
}

QString Field::Name() const {
    if (!m_rs->m->conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    return m_rs->m->columnas.at(m_indice).nombre;
}

Variant Field::Value() const {
    Recordset::Estado& e = *m_rs->m;
    if (!e.conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    if (!e.enMemoria) {
        if (e.bof || e.eof)
            throw fallaAdo(fallas::SinRegistroActual, origen);
        return e.cursor->valor(m_indice);
    }
    const Fila* fila = e.filaActual();
    if (!fila)
        throw fallaAdo(fallas::SinRegistroActual, origen);
    return fila->valores[m_indice];
}

Variant Field::OriginalValue() const {
    Recordset::Estado& e = *m_rs->m;
    if (!e.enMemoria)
        return Value();
    const Fila* fila = e.filaActual();
    if (!fila)
        throw fallaAdo(fallas::SinRegistroActual, origen);
    return fila->original[m_indice];
}

void Field::setValue(const Variant& valor) {
    Recordset::Estado& e = *m_rs->m;
    if (!e.conexion)
        throw fallaAdo(fallas::ObjetoCerrado, origen);
    Fila& fila = e.filaParaEscribir();
    Variant v = valor;
    // A text assigned to a date column is read as the client writes dates, day first.
    if (e.columnas[m_indice].tipo == Variant::Tipo::Date && v.tipo() == Variant::Tipo::Text) {
        const auto f = fecha::leer(v.aTexto());
        const auto iso = f ? f : fecha::leerIso(v.aTexto());
        if (!iso)
            throw fallaAdo(fallas::VariosPasos, origen);
        v = Variant::fecha(*iso);
    }
    fila.valores[m_indice] = v;
    fila.cambiado[m_indice] = true;
}

} // namespace entrega::ado
