#pragma once
// Answer codes of the platform's dialogs. 4 and 5 drive the reported failure policy.
namespace entrega::respuesta {
constexpr int Aceptar = 1, Cancelar = 2, Anular = 3, Reintentar = 4, Ignorar = 5, Si = 6, No = 7;
}
