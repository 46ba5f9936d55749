#include "planning/pronostico/ArchivoPronostico.h"

#include "planning/herramientas/PlanLibro.h"

#include <QFileInfo>

namespace pronostico {

std::vector<QStringList> LeeArchivoPronostico(const QString& ruta) {
    const bool csv = QFileInfo(ruta).suffix().compare(u"csv", Qt::CaseInsensitive) == 0;
    if (!csv)
        throw planeacion::ErrorArchivo{
            QStringLiteral("%1: solo se importan archivos CSV (mes, ocupación)").arg(ruta)};
    std::vector<QStringList> filas;
    for (planeacion::FilaLeida& f : planeacion::LeeCsv(ruta).filas)
        filas.push_back(std::move(f.celdas));
    return filas;
}

}  // namespace pronostico
