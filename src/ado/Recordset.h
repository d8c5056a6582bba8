#pragma once
// An ADO-shaped result set.
//   cursor 0 + lock 1: forward-only, read-only, rows streamed from the engine;
//   cursor 2 + lock 3: dynamic, optimistic, updatable: AddNew, Delete, field assignment, Update.
// An optimistic Update names the row by its key (the catalog's primary key, or all original values when
// there is none) and by the original values of the fields it changes; when no row is touched it raises
// FilaNoLocalizada ("Row cannot be located for updating...") and writes nothing.
#include "ado/Connection.h"
#include "core/Variant.h"

#include <QList>
#include <QString>
#include <cstdio>
#include <memory>

// ADO's end-of-set mark is called EOF, which the C library defines as a macro. The header is included
// first and the macro removed, so the name stays free in every file that uses a Recordset (the C library's
// end-of-file value is std::char_traits<char>::eof()).
#undef EOF

namespace entrega::ado {

enum TipoCursor { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum TipoBloqueo { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };

class Recordset;

class Field {
  public:
    QString Name() const;
    Variant Value() const;               // 3021 without a current row
    void setValue(const Variant& valor); // only on an updatable set
    Variant OriginalValue() const;

  private:
    friend class Recordset;
    Field(Recordset* rs, int indice) : m_rs(rs), m_indice(indice) {}
    Recordset* m_rs;
    int m_indice;
};

class Recordset {
  public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const QString& sql, Connection& conexion, int tipoCursor = adOpenForwardOnly,
              int tipoBloqueo = adLockReadOnly);
    void Close();
    int State() const;

    bool BOF() const;
    bool EOF() const;
    void MoveFirst();
    void MoveNext();

    int FieldCount() const;
    Field Fields(int indice);            // 3265 out of range
    Field Fields(const QString& nombre); // by name ignoring case; 3265 when unknown

    void AddNew();
    void Delete();
    void Update();

  private:
    friend class Field;
    struct Estado;
    std::unique_ptr<Estado> m;
};

} // namespace entrega::ado
