#include "core/PhenologicalStages.h"

namespace PhenologicalStages {

const QList<Stage> &all()
{
    static const QList<Stage> stages = [] {
        struct Row {
            const char *item, *text, *first, *second;
        };
        static const Row rows[] = {
            {"Estado A", "Yema de invierno", "A01", "A02"},
            {"Estado B1", "Lloro", "B01", "B02"},
            {"Estado B2", "Yema hinchada", "B01", "B03"},
            {"Estado C", "Punta verde", "C01", "C02"},
            {"Estado D", "Hojas incipientes", "D01", "D02"},
            {"Estado E", "Hojas extendidas", "E01", "E02"},
            {"Estado F", "Racimos visibles", "F01", "F02"},
            {"Estado G", "Racimos separados", "G01", "G02"},
            {"Estado H", "Botones florales separados", "H01", "H02"},
            {"Estado I1", "Inicio de floración (5%)", "I01", "I02"},
            {"Estado I2", "Plena floración", "I01", "I03"},
            {"Estado J", "Cuajado o caída de capuchones", "J01", "J02"},
            {"Estado K", "Grano tamaño guisante", "K01", "K02"},
            {"Estado L", "Cerramiento del racimo", "L01", "L02"},
            {"Estado M1", "Inicio de envero (5%)", "M01", "M03"},
            {"Estado M2", "Pleno envero", "M02", "M04"},
            {"Estado N", "Maduración", "N01", "N02"},
            {"Estado O1", "Inicio caida de hojas (5%)", "O01", "O02"},
            {"Estado O2", "Plena caída de hojas", "O01", "O03"},
        };
        QList<Stage> list;
        auto photo = [](const char *code) {
            return QStringLiteral("\\Estados\\estado") + QLatin1String(code) + QStringLiteral(".jpg");
        };
        for (const Row &r : rows)
            list << Stage{QString::fromUtf8(r.item), QString::fromUtf8(r.text), photo(r.first), photo(r.second)};
        return list;
    }();
    return stages;
}

}  // namespace PhenologicalStages
