#pragma once

// A database for the forecast's tests: the schema (or the demo rows) with staff_pronostico
// provisioned, and the forecast of a plan written in one call.

#include "data/EsquemaPronostico.h"
#include "planning/pronostico/Presupuesto.h"
#include "tests/support/EmbeddedDb.h"

namespace prueba {

inline const QString kEmpresa = QStringLiteral("       1");

class PronosticoTest : public EmbeddedDbTest {
  protected:
    explicit PronosticoTest(TestData d = TestData::Demo) { datos = d; }
    void SetUp() override {
        EmbeddedDbTest::SetUp();
        exec(esquema::CreaTablaPronostico());
    }
    // Writes the forecast of plan `staffing` for `anio`: {month 1..12, percentage text}.
    void Pronostica(const QString& staffing, int anio,
                    std::initializer_list<std::pair<int, const char*>> meses) {
        pronostico::Meses m{};
        for (const auto& [mes, texto] : meses)
            m[static_cast<std::size_t>(mes - 1)] =
                pronostico::LeePorcentaje(QString::fromUtf8(texto)).decimas;
        pronostico::AlmacenPronostico(*db).Guarda(kEmpresa, staffing, anio, m);
    }
    pronostico::SolicitudPresupuesto Solicitud(const QString& staffing, int anio,
                                               pronostico::Regla r = pronostico::Regla::Superior) {
        pronostico::SolicitudPresupuesto s;
        s.empresa = kEmpresa;
        s.staffing = staffing;
        s.anio = anio;
        s.regla = r;
        return s;
    }
};

}  // namespace prueba
