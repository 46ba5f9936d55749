#include "catalogs/CasillasTipos.h"

#include "catalogs/NucleoCatalogo.h"

void CasillasTipos::Crea(QWidget* panel, int left, int top) {
    static const char* const kTextos[] = {"1.- Semanal",   "2.- Decenal", "3.- Catorcenal",
                                          "4.- Quincenal", "5.- Mensual", "6.- Especial"};
    for (int i = 0; i < 6; ++i) {
        auto* c = TCheckBox::New(panel);
        // Two columns of three: 1-3 on the left, 4-6 on the right.
        c->SetBounds(left + (i / 3) * 130, top + (i % 3) * 30, 124, 24);
        c->cText(QString::fromUtf8(kTextos[i]));
        c->Create();
        m_casillas.at(static_cast<std::size_t>(i)) = c;
    }
}

QString CasillasTipos::Tipos() const {
    std::array<bool, 6> marcados{};
    for (std::size_t i = 0; i < m_casillas.size(); ++i)
        marcados[i] = m_casillas[i]->lChecked();
    return catalogos::ArmaTipos(marcados);
}

void CasillasTipos::Marca(const QString& tipos) {
    for (std::size_t i = 0; i < m_casillas.size(); ++i)
        m_casillas[i]->lChecked(
            catalogos::TieneTipo(tipos, QLatin1Char(catalogos::kLetrasTipos[i])));
}
