#include "DatosDemo.h"

namespace entrega::admin::datos {

namespace {

constexpr const char* listaNombres[] = {
    "Juan",  "María",     "José",    "Ana",     "Carlos",  "Laura",     "Jorge",   "Silvia",
    "Luis",  "Graciela",  "Miguel",  "Mónica",  "Ramón",   "Patricia",  "Héctor",  "Susana",
    "Raúl",  "Beatriz",   "Sergio",  "Marta",   "Daniel",  "Andrea",    "Martín",  "Verónica",
    "Pablo", "Lucía",     "Diego",   "Sofía",   "Matías",  "Valentina", "Ignacio", "Camila",
    "Tomás", "Florencia", "Nicolás", "Julieta", "Agustín", "Belén",     "Ramiro",  "Inés"};

constexpr const char* listaApellidos[] = {
    "González",  "Rodríguez", "Gómez",   "Fernández", "López",    "Díaz",     "Martínez", "Pérez",
    "García",    "Sánchez",   "Romero",  "Sosa",      "Álvarez",  "Torres",   "Ruiz",     "Ramírez",
    "Flores",    "Benítez",   "Acosta",  "Medina",    "Herrera",  "Suárez",   "Aguirre",  "Giménez",
    "Gutiérrez", "Pereyra",   "Rojas",   "Molina",    "Castro",   "Ortiz",    "Silva",    "Núñez",
    "Luna",      "Juárez",    "Cabrera", "Ríos",      "Ferreyra", "Godoy",    "Morales",  "Domínguez",
    "Moreno",    "Peralta",   "Vega",    "Carrizo",   "Quiroga",  "Castillo", "Ledesma",  "Muñoz",
    "Ojeda",     "Ponce",     "Vera",    "Vázquez",   "Villalba", "Cardozo",  "Navarro",  "Ibáñez",
    "Córdoba",   "Bustos",    "Arias",   "Maldonado"};

constexpr const char* listaRubros[] = {"Ferretería",   "Corralón",     "Almacén",      "Distribuidora",
                                       "Constructora", "Supermercado", "Pinturería",   "Sanitarios",
                                       "Maderera",     "Agropecuaria", "Autoservicio", "Electricidad"};

constexpr const char* listaFantasias[] = {
    "El Progreso", "San Martín",  "Los Álamos",   "La Esperanza", "Del Centro", "El Tornillo", "La Económica",
    "Don Pedro",   "Las Acacias", "El Sol",       "Santa Rita",   "La Amistad", "Del Sur",     "Los Hermanos",
    "El Ombú",     "La Unión",    "Mediterránea", "Norte",        "El Trébol",  "La Nueva"};

constexpr const char* listaSociedades[] = {"S.A.", "S.R.L.", "S.A.S.", "", "de Hnos.", "S.H."};

constexpr const char* listaCalles[] = {"Av. Colón",
                                       "San Martín",
                                       "Belgrano",
                                       "Rivadavia",
                                       "Sarmiento",
                                       "Mitre",
                                       "Av. Vélez Sársfield",
                                       "Bv. San Juan",
                                       "Av. Hipólito Yrigoyen",
                                       "Dean Funes",
                                       "Ituzaingó",
                                       "27 de Abril",
                                       "Av. Sabattini",
                                       "Obispo Trejo",
                                       "Caseros",
                                       "Av. Maipú",
                                       "Entre Ríos",
                                       "La Rioja",
                                       "Jujuy",
                                       "Tucumán",
                                       "Santa Rosa",
                                       "Independencia",
                                       "Av. Fuerza Aérea",
                                       "Rondeau",
                                       "Bv. Los Granaderos",
                                       "Av. Castro Barros",
                                       "Juan B. Justo",
                                       "Av. Monseñor Pablo Cabrera",
                                       "Humberto Primo",
                                       "Av. Patria",
                                       "Lavalleja",
                                       "Pasaje Güemes",
                                       "Av. Armada Argentina",
                                       "Gral. Paz",
                                       "Chacabuco"};

constexpr const char* listaLocalidades[] = {
    "Córdoba",     "Villa María", "Río Cuarto",    "San Francisco",    "Alta Gracia",
    "Jesús María", "Bell Ville",  "Marcos Juárez", "Villa Carlos Paz", "La Falda",
    "Cosquín",     "Oncativo",    "Oliva",         "Laboulaye",        "Arroyito",
    "Río Tercero", "Deán Funes",  "Cruz del Eje",  "Villa Dolores",    "Mina Clavero"};

constexpr const char* listaZonas[] = {"CENTRO", "ESTE",  "SUR",   "ESTE",  "CENTRO", "NORTE",  "ESTE",
                                      "ESTE",   "OESTE", "OESTE", "OESTE", "CENTRO", "CENTRO", "SUR",
                                      "NORTE",  "SUR",   "NORTE", "NORTE", "OESTE",  "OESTE"};
static_assert(std::size(listaZonas) == std::size(listaLocalidades));

constexpr const char* listaOperadores[] = {"DEMO", "JPEREZ", "MGOMEZ", "LSOSA"};

constexpr Articulo listaArticulos[] = {{"CEM050", "Cemento Portland x 50 kg", false},
                                       {"CAL025", "Cal hidratada x 25 kg", false},
                                       {"ARE001", "Arena gruesa (m³)", true},
                                       {"PIE001", "Piedra partida 6-20 (m³)", true},
                                       {"LAD018", "Ladrillo hueco 18x18x33", false},
                                       {"LAD012", "Ladrillo hueco 12x18x33", false},
                                       {"LCO001", "Ladrillo común", false},
                                       {"HIE008", "Hierro aletado 8 mm x 12 m", false},
                                       {"HIE010", "Hierro aletado 10 mm x 12 m", false},
                                       {"MAL015", "Malla sima 15x15 4,2 mm", false},
                                       {"CHA025", "Chapa sinusoidal galvanizada C25 (m)", true},
                                       {"CAN110", "Caño PVC 110 mm x 4 m", false},
                                       {"CAN040", "Caño PVC 40 mm x 4 m", false},
                                       {"CODO110", "Codo PVC 110 mm a 90°", false},
                                       {"TAN1000", "Tanque de agua tricapa 1000 l", false},
                                       {"PEG030", "Pegamento para cerámicos x 30 kg", false},
                                       {"CER3636", "Cerámico 36x36 beige (m²)", true},
                                       {"POR6060", "Porcellanato 60x60 gris (m²)", true},
                                       {"PIN020", "Látex interior blanco x 20 l", false},
                                       {"PIN004", "Esmalte sintético negro x 4 l", false},
                                       {"MAD002", "Tirante pino 2x4\" x 3,66 m", false},
                                       {"FEN018", "Fenólico 18 mm 1,22x2,44", false},
                                       {"TOR006", "Tornillo autoperforante x 100", false},
                                       {"CLA002", "Clavo punta París 2\" (kg)", true},
                                       {"CAB025", "Cable unipolar 2,5 mm² (m)", true},
                                       {"TER032", "Termomagnética 2x32 A", false},
                                       {"GRI001", "Grifería monocomando cocina", false},
                                       {"INO001", "Inodoro largo blanco", false},
                                       {"MEM004", "Membrana asfáltica 4 mm (rollo)", false},
                                       {"HID025", "Hidrófugo x 25 l", false}};

} // namespace

std::span<const char* const> nombres() {
    return listaNombres;
}
std::span<const char* const> apellidos() {
    return listaApellidos;
}
std::span<const char* const> rubros() {
    return listaRubros;
}
std::span<const char* const> fantasias() {
    return listaFantasias;
}
std::span<const char* const> sociedades() {
    return listaSociedades;
}
std::span<const char* const> calles() {
    return listaCalles;
}
std::span<const char* const> localidades() {
    return listaLocalidades;
}
std::span<const char* const> zonas() {
    return listaZonas;
}
std::span<const char* const> operadores() {
    return listaOperadores;
}
std::span<const Articulo> articulos() {
    return listaArticulos;
}

} // namespace entrega::admin::datos
