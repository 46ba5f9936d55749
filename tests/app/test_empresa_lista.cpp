// The profile's company list: only whole numbers between braces ever reach SQL.
#include "app/frmEmpresa.h"
#include "data/Value.h"

#include <gtest/gtest.h>

using Tipo = ListaEmpresas::Tipo;

TEST(ListaEmpresasPerfil, EmptyBracesAllowEveryCompany) {
    EXPECT_EQ(InterpretaListaEmpresas(ado::Value("{}")).tipo, Tipo::Todas);
    EXPECT_EQ(InterpretaListaEmpresas(ado::Value("  {   }  ")).tipo, Tipo::Todas);
}

TEST(ListaEmpresasPerfil, ListOfKeysIsKeptUnchanged) {
    const ListaEmpresas l = InterpretaListaEmpresas(ado::Value("{3,7}"));
    EXPECT_EQ(l.tipo, Tipo::Lista);
    EXPECT_EQ(l.lista, QStringLiteral("3,7"));
    const ListaEmpresas blancos = InterpretaListaEmpresas(ado::Value("{ 3 , 7 ,12 }"));
    EXPECT_EQ(blancos.tipo, Tipo::Lista);
    EXPECT_EQ(blancos.lista, QStringLiteral(" 3 , 7 ,12 "));
}

TEST(ListaEmpresasPerfil, NullOrMalformedListsAreRefused) {
    EXPECT_EQ(InterpretaListaEmpresas(ado::Value()).tipo, Tipo::Invalida);
    for (const char* texto : {"", "3,7", "{3,7", "3,7}", "{3,,7}", "{3,7,}", "{a}", "{3.5}",
                              "{3) or (1=1}", "{1);drop table usuarios;--}", "{", "}"})
        EXPECT_EQ(InterpretaListaEmpresas(ado::Value(texto)).tipo, Tipo::Invalida) << texto;
}
