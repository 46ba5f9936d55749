#pragma once

#include "catalogs/Catalogo.h"

// The company's groups of positions (staff_grupo). With muestra "Cat" it serves as a
// look-up: Nuevo, Modificar and Eliminar hidden, a double-click chooses.
class TCatGrupo : public TCatalogo {
    Q_OBJECT
  public:
    QString muestra;  // "Cat": look-up layout; anything else ("Todo"): full catalogue

    TArrayBrowse* arraygrupo = nullptr;
    TBtnBmp* brnEliminar = nullptr;
    TEdit* txtIdgrupo = nullptr;

    void FormInitialize(TForm* sender);
    void permisos();
    void brnEliminarClick(TControl* sender);
    void arraygrupoDblClick(TControl* sender, int keyState, int column, int row);

    explicit TCatGrupo(TForm* parent = nullptr);

  protected:
    void CreateForm() override;
    std::unique_ptr<catalogos::Catalogo> Nucleo() const override;
};
