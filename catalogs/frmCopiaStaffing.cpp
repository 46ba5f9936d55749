#include "catalogs/frmCopiaStaffing.h"

#include "planning/herramientas/CopiaDesdeCatalogo.h"
#include "ui/Msg.h"

namespace {

constexpr int kAncho = 420;
constexpr int kAltoCopia = 236;
constexpr int kLargoNombre = 150;  // staffing.nombre

}  // namespace

TCopiaStaffing::TCopiaStaffing(TForm* parent) : TForm(parent) {}

void TCopiaStaffing::CreateForm() {
    TForm::CreateForm();
    cText(QStringLiteral("Copiar staffing"));
    nBorderStyle = 1;
    nFormType = 2;
    lModal = true;
    lSysMenu = false;
    SetClientSize(kAncho, kAltoCopia);

    lblOrigen = TLabel::New(this);
    lblOrigen->SetBounds(14, 12, kAncho - 28, 36);
    lblOrigen->setWordWrap(true);
    lblOrigen->Create();
    auto* rotulo = TLabel::New(this);
    rotulo->SetBounds(14, 60, 60, 20);
    rotulo->cText(QStringLiteral("Nombre"));
    rotulo->Create();
    txtNombre = TEdit::New(this);
    txtNombre->SetBounds(80, 56, kAncho - 94, 24);
    txtNombre->nMaxLength(kLargoNombre);
    txtNombre->Create();
    tipos.Crea(this, 80, 92);

    btnCopiar = TBtnBmp::Make(this, {kAncho - 2 * 124 - 14, kAltoCopia - 52, 120, 40},
                              QStringLiteral("Copiar"), QStringLiteral("angulo2"),
                              Bind(this, &TCopiaStaffing::btnCopiarClick));
    btnCancelar = TBtnBmp::Make(this, {kAncho - 124 - 10, kAltoCopia - 52, 120, 40},
                                QStringLiteral("Cancelar"), QStringLiteral("puertasalida"),
                                Bind(this, &TCopiaStaffing::btnCancelarClick));
    SetDefaultButton(btnCopiar);
    OnInitialize = Bind(this, &TCopiaStaffing::FormInitialize);
}

void TCopiaStaffing::FormInitialize(TForm*) {
    lblOrigen->cText(QStringLiteral("Se copiarán todos los puestos (por porcentaje y por mes) "
                                    "del staffing %1 - %2.")
                         .arg(staffing.trimmed(), nombreOrigen));
    txtNombre->Value(QStringLiteral("Copia de ") + nombreOrigen);
    tipos.Marca(tiposOrigen);
}

void TCopiaStaffing::btnCopiarClick(TControl*) {
    const planeacion::CopiaHecha copia =
        planeacion::CopiaDesdeCatalogo(CNX, Empresa, staffing, {txtNombre->Value(), tipos.Tipos()});
    if (!copia.resultado.hecho) {
        if (!copia.resultado.mensaje.isEmpty())
            MsgInfo(copia.resultado.mensaje);
        return;
    }
    vClave = copia.clave;
    Close();
}

void TCopiaStaffing::btnCancelarClick(TControl*) {
    vClave = 0;
    Close();
}
