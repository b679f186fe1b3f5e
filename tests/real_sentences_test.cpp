// Everyday sentences through the public interface over the dictionaries the
// build ships (build/data). Each row is a Spanish sentence and the Swedish
// line a careful translator would accept; one suite per kind of sentence.
#include <gtest/gtest.h>

#include "shipped_sentences.h"

namespace quelvo {
namespace {

class MendedFaults : public ShippedSentences {};
class Orders : public ShippedSentences {};
class PresentOrPast : public ShippedSentences {};
class ColonAndSemicolon : public ShippedSentences {};
class InfinitiveMarker : public ShippedSentences {};
class MisspeltAndOpeningWords : public ShippedSentences {};

TEST_P(MendedFaults, GiveTheSwedishLine) { ExpectLine(); }
TEST_P(Orders, GiveTheSwedishLine) { ExpectLine(); }
TEST_P(PresentOrPast, GiveTheSwedishLine) { ExpectLine(); }
TEST_P(ColonAndSemicolon, GiveTheSwedishLine) { ExpectLine(); }
TEST_P(InfinitiveMarker, GiveTheSwedishLine) { ExpectLine(); }
TEST_P(MisspeltAndOpeningWords, GiveTheSwedishLine) { ExpectLine(); }

INSTANTIATE_TEST_SUITE_P(Shipped, MendedFaults, testing::Values(
    ReadingRow{"ella_esta_sola", "Ella está sola.", "Hon är ensam."},
    ReadingRow{"tengo_una_casa_estrecha", "Tengo una casa estrecha.", "Jag har ett smalt hus."},
    ReadingRow{"las_ventanas_son_estrechas", "Las ventanas son estrechas.", "Fönstren är smala."},
    ReadingRow{"te_extrano_mucho", "Te extraño mucho.", "Jag saknar dig mycket."},
    ReadingRow{"acabamos_de_llegar", "Acabamos de llegar.", "Vi har just kommit."},
    ReadingRow{"acababa_de_llegar", "Acababa de llegar.", "Han hade just kommit."},
    ReadingRow{"iremos_a_comer", "Iremos a comer.", "Vi kommer att äta."},
    ReadingRow{"iria_a_comer", "Iría a comer.", "Jag skulle äta."},
    ReadingRow{"juan_va_corriendo", "Juan va corriendo.", "Juan springer."},
    ReadingRow{"estuvo_comiendo", "Estuvo comiendo.", "Han åt."},
    ReadingRow{"estara_comiendo", "Estará comiendo.", "Han kommer att äta."},
    ReadingRow{"hoy_es_bueno", "Hoy es bueno.", "I dag är det bra."},
    ReadingRow{"hoy_es_gratis", "Hoy es gratis.", "I dag är det gratis."},
    ReadingRow{"habra_una_fiesta", "Habrá una fiesta.", "Det kommer att finnas en fest."},
    ReadingRow{"habria_una_fiesta", "Habría una fiesta.", "Det skulle finnas en fest."},
    ReadingRow{"queda_un_dia", "Queda un día.", "Det återstår en dag."},
    ReadingRow{"tienes_suerte", "¿Tienes suerte?", "Har du tur?"},
    ReadingRow{"el_pedido_llego_ayer", "El pedido llegó ayer.", "Beställningen kom i går."},
    ReadingRow{"un_hecho_importante", "Un hecho importante.", "Ett viktigt faktum."},
    ReadingRow{"no_llueve", "No llueve.", "Det regnar inte."},
    ReadingRow{"maria_come", "María come.", "María äter."}), RowName);

INSTANTIATE_TEST_SUITE_P(Shipped, Orders, testing::Values(
    ReadingRow{"cierra_la_puerta_por_favor", "Cierra la puerta, por favor.", "Stäng dörren, snälla."},
    ReadingRow{"abre_la_ventana", "¡Abre la ventana!", "Öppna fönstret!"},
    ReadingRow{"come_la_sopa", "Come la sopa.", "Ät soppan."},
    ReadingRow{"mira_la_casa", "Mira la casa.", "Titta på huset."},
    ReadingRow{"trabaja", "¡Trabaja!", "Arbeta!"},
    ReadingRow{"cierre_la_puerta", "Cierre la puerta.", "Stäng dörren."},
    ReadingRow{"hable_con_juan", "Hable con Juan.", "Tala med Juan."},
    ReadingRow{"ven_conmigo", "Ven conmigo.", "Kom med mig."},
    ReadingRow{"dilo", "Dilo.", "Säg det."},
    ReadingRow{"hazlo", "Hazlo.", "Gör det."},
    ReadingRow{"tomalo", "Tómalo.", "Ta det."},
    ReadingRow{"cuentalo", "Cuéntalo.", "Berätta det."},
    ReadingRow{"sientate", "¡Siéntate!", "Sätt dig!"},
    ReadingRow{"vive_en_madrid", "Vive en Madrid.", "Han bor i Madrid."},
    ReadingRow{"dice_que_nadie_viene", "Dice que nadie viene.", "Han säger att ingen kommer."}), RowName);

INSTANTIATE_TEST_SUITE_P(Shipped, PresentOrPast, testing::Values(
    ReadingRow{"ayer_hablamos_con_juan", "Ayer hablamos con Juan.", "I går talade vi med Juan."},
    ReadingRow{"hablamos_con_juan_ayer", "Hablamos con Juan ayer.", "Vi talade med Juan i går."},
    ReadingRow{"anoche_cenamos_en_casa", "Anoche cenamos en casa.", "I går kväll åt vi middag hemma."},
    ReadingRow{"el_ano_pasado_viajamos_a_espana", "El año pasado viajamos a España.", "Förra året reste vi till Spanien."},
    ReadingRow{"hoy_trabajamos_mucho", "Hoy trabajamos mucho.", "I dag arbetar vi mycket."},
    ReadingRow{"ahora_vivimos_en_madrid", "Ahora vivimos en Madrid.", "Nu bor vi i Madrid."},
    ReadingRow{"trabajamos_siempre", "Trabajamos siempre.", "Vi arbetar alltid."},
    ReadingRow{"manana_hablamos_con_juan", "Mañana hablamos con Juan.", "I morgon talar vi med Juan."},
    ReadingRow{"hablamos_con_juan", "Hablamos con Juan.", "Vi talar/talade med Juan."}), RowName);

INSTANTIATE_TEST_SUITE_P(Shipped, ColonAndSemicolon, testing::Values(
    ReadingRow{"semicolon_juan_come_el_perro_duerme", "Juan come; el perro duerme.", "Juan äter; hunden sover."},
    ReadingRow{"juan_come_maria_bebe", "Juan come; María bebe.", "Juan äter; María dricker."},
    ReadingRow{"colon_juan_come_el_perro_duerme", "Juan come: el perro duerme.", "Juan äter: Hunden sover."},
    ReadingRow{"una_cosa_es_clara_juan_viene", "Una cosa es clara: Juan viene.", "En sak är klar: Juan kommer."},
    ReadingRow{"la_casa_es_grande_el_jardin_es_pequeno", "La casa es grande; el jardín es pequeño.", "Huset är stort; trädgården är liten."},
    ReadingRow{"llueve_el_perro_duerme", "Llueve; el perro duerme.", "Det regnar; hunden sover."},
    ReadingRow{"tengo_un_perro_juan_tiene_un_gato", "Tengo un perro; Juan tiene un gato.", "Jag har en hund; Juan har en katt."},
    ReadingRow{"juan_come_pan", "Juan come: pan.", "Juan äter: Bröd."}), RowName);

INSTANTIATE_TEST_SUITE_P(Shipped, InfinitiveMarker, testing::Values(
    ReadingRow{"me_gusta_leer", "Me gusta leer.", "Jag tycker om att läsa."},
    ReadingRow{"me_encanta_bailar", "Me encanta bailar.", "Jag älskar att dansa."},
    ReadingRow{"empiezo_a_trabajar", "Empiezo a trabajar.", "Jag börjar att arbeta."},
    ReadingRow{"juan_intenta_dormir", "Juan intenta dormir.", "Juan försöker att sova."},
    ReadingRow{"juan_odia_esperar", "Juan odia esperar.", "Juan hatar att vänta."},
    ReadingRow{"prefiero_caminar", "Prefiero caminar.", "Jag föredrar att gå."},
    ReadingRow{"olvide_cerrar_la_puerta", "Olvidé cerrar la puerta.", "Jag glömde att stänga dörren."},
    ReadingRow{"juan_aprende_a_nadar", "Juan aprende a nadar.", "Juan lär sig att simma."},
    ReadingRow{"quiero_comer", "Quiero comer.", "Jag vill äta."},
    ReadingRow{"puedo_nadar", "Puedo nadar.", "Jag kan simma."}), RowName);

INSTANTIATE_TEST_SUITE_P(Shipped, MisspeltAndOpeningWords, testing::Values(
    ReadingRow{"juan_come_tambien", "Juan come tambien.", "Juan äter också."},
    ReadingRow{"despues_comemos", "Despues comemos.", "Efteråt äter vi."},
    ReadingRow{"un_coche_rapido", "Un coche rapido.", "En snabb bil."},
    ReadingRow{"esto_es_bueno", "Ésto es bueno.", "Det här är bra."},
    ReadingRow{"aquel_perro_come", "Aquél perro come.", "Den där hunden äter."},
    ReadingRow{"juan_come_mas_pedro_no_come", "Juan come, mas Pedro no come.", "Juan äter, men Pedro äter inte."},
    ReadingRow{"mas_no_come", "Mas no come.", "Men han äter inte."},
    ReadingRow{"perro_que_ladra_no_muerde", "Perro que ladra no muerde.", "Hund som skäller biter inte."},
    ReadingRow{"maria_come", "Maria come.", "Maria äter."},
    ReadingRow{"carlos_acaba_de_salir", "Carlos acaba de salir.", "Carlos har just lämnat."},
    ReadingRow{"carla_come", "Carla come.", "Carla äter."}), RowName);

}  // namespace
}  // namespace quelvo
