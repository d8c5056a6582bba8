#pragma once
// The encoded form of the passwords kept in the users table, the INI file and BASES.TXT.
//
// It hides a password from a casual look; it is not encryption. The encoded text is printable ASCII made of
// letters, digits, "-" and "_" only, so it survives SQL literals, INI lines, comma-separated files and
// parameter strings untouched. Any Unicode text round-trips: decodificar(codificar(x)) == x.
#include <QString>

namespace entrega {

// "" stays "".
QString codificar(const QString& texto);

// A text that is not in the encoded form (a password stored by hand, say) comes back unchanged.
QString decodificar(const QString& codificado);

} // namespace entrega
