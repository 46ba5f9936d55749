#include "app/frmConfig.h"
#include "app/frmLogin.h"
#include "tests/app/AppTestSupport.h"
#include "ui/TestSeam.h"

#include <memory>

using prueba::Ejecuta;

namespace {

const QString kSinConexion = QStringLiteral(
    "No pudo realizarse la conexión con el servidor.\rRevise que los datos Nombre de Servidor, "
    "Usuario y Password sean correctos.");

QString ClaveIni(const char* clave) {
    return LeeIni(QStringLiteral("CONFIG"), QString::fromUtf8(clave));
}

class ConfigTest : public TempDirTest {
  protected:
    void TearDown() override {
        prueba::CierraFormularios();
        TempDirTest::TearDown();
    }

    // A database in the folder; `nomina` ones hold capa_lugar.
    static void Base(const QString& nombre, bool nomina) {
        prueba::CopiaBase(nombre, nomina ? TestData::Schema : TestData::Empty);
        prueba::ConfiguraMotor(QStringLiteral("master"));
    }

    std::unique_ptr<TAConfig> Abre() { return TForm::NewModal<TAConfig>(); }

    static TArrayBrowse::Rows Filas(std::initializer_list<const char*> nombres) {
        TArrayBrowse::Rows filas;
        for (const char* n : nombres)
            filas.append({QString::fromUtf8(n)});
        return filas;
    }
};

}  // namespace

TEST_F(ConfigTest, OnlyDatabasesHoldingCapaLugarAreListedAndABlankRowEnds) {
    Base(QStringLiteral("otra"), false);
    {
        ui::ScriptedMessages msgs;
        const auto form = Abre();
        EXPECT_EQ(msgs.count(), 0) << msgs.texts().join(u'|').toStdString();
        EXPECT_EQ(form->arrayEmpresas->aArrayData(), Filas({""}));
    }
    Base(QStringLiteral("nomina"), true);
    ui::ScriptedMessages msgs;
    const auto form = Abre();
    EXPECT_EQ(form->arrayEmpresas->aArrayData(), Filas({"nomina", ""}));
}

TEST_F(ConfigTest, InitialisationShowsTheStoredSettingsAndWritesThemBackUnchanged) {
    Base(QStringLiteral("nomina"), true);
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("ID"), QStringLiteral("sa"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("PWD"), QStringLiteral("se;creto"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("AUTOWIN"), QStringLiteral(".T."));
    const QString servidor = ClaveIni("SERVER");
    const auto form = Abre();
    EXPECT_EQ(form->txtServidor->Value(), servidor);
    EXPECT_EQ(form->txtUsuario->Value(), QStringLiteral("sa"));
    EXPECT_EQ(form->txtPassword->Value(), QStringLiteral("se;creto"));
    EXPECT_TRUE(form->chkAutentificacion->lChecked());
    EXPECT_EQ(form->cmbMotor->nAt(), TAConfig::kMotorSqlite);
    EXPECT_EQ(ClaveIni("SERVER"), servidor);
    EXPECT_EQ(ClaveIni("PWD"), QStringLiteral("se;creto"));
    EXPECT_EQ(ClaveIni("BD"), QStringLiteral("master"));
}

TEST_F(ConfigTest, CheckBoxWritesAutowinAtEveryClickWhicheverWayTheFormIsLeft) {
    Base(QStringLiteral("nomina"), true);
    const auto form = Abre();
    form->chkAutentificacion->Click();
    EXPECT_EQ(ClaveIni("AUTOWIN"), QStringLiteral(".T."));
    form->chkAutentificacion->Click();
    EXPECT_EQ(ClaveIni("AUTOWIN"), QStringLiteral(".F."));
    form->chkAutentificacion->Click();
    form->btnSalirClick(nullptr);
    EXPECT_TRUE(form->IsClosed());
    EXPECT_EQ(ClaveIni("AUTOWIN"), QStringLiteral(".T."));
    EXPECT_EQ(ClaveIni("BD"), QStringLiteral("master"));
    EXPECT_EQ(Application().FindForm<TLogin>(), nullptr);
}

TEST_F(ConfigTest, EngineChoiceIsWrittenAtChange) {
    Base(QStringLiteral("nomina"), true);
    const auto form = Abre();
    form->cmbMotor->Select(TAConfig::kMotorSqlServer);
    EXPECT_EQ(ClaveIni("MOTOR"), QString());
    form->cmbMotor->Select(TAConfig::kMotorSqlite);
    EXPECT_EQ(ClaveIni("MOTOR"), QStringLiteral("SQLITE"));
}

TEST_F(ConfigTest, CargarNeedsAServer) {
    Base(QStringLiteral("nomina"), true);
    const auto form = Abre();
    const QString servidor = ClaveIni("SERVER");
    ui::ScriptedMessages msgs;
    form->txtServidor->Value(QStringLiteral("   "));
    form->txtUsuario->Value(QStringLiteral("otro"));
    form->btnbuscarClick(nullptr);
    EXPECT_EQ(msgs.texts(), QStringList{QStringLiteral("Debe indicar un servidor.")});
    EXPECT_EQ(ClaveIni("SERVER"), servidor);
    EXPECT_EQ(ClaveIni("ID"), QString());
    EXPECT_EQ(form->arrayEmpresas->nLen(), 2);
}

TEST_F(ConfigTest, FailedLoadEmptiesTheListAndAceptarThenStoresNothing) {
    // SQL Server through an ODBC driver that does not exist: the connection is refused.
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("BD"), QStringLiteral("master"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("DRIVER"), QStringLiteral("NoExiste"));
    EscribeIni(QStringLiteral("CONFIG"), QStringLiteral("SERVER"), QStringLiteral("127.0.0.1,1"));
    ui::ScriptedMessages msgs;
    const auto form = Abre();
    ASSERT_GE(msgs.count(), 2);
    EXPECT_EQ(msgs.messages().front().caption, QStringLiteral("CONEXION NO REALIZADA."));
    EXPECT_EQ(msgs.last().text, kSinConexion);
    EXPECT_EQ(form->arrayEmpresas->nLen(), 0);

    msgs.clear();
    form->btnEmpresaClick(nullptr);
    EXPECT_EQ(msgs.count(), 1);
    EXPECT_EQ(ClaveIni("BD"), QStringLiteral("master"));
    EXPECT_FALSE(form->IsClosed());
    EXPECT_EQ(Application().FindForm<TLogin>(), nullptr);
}

TEST_F(ConfigTest, AceptarStoresTheChosenDatabaseAndStartsAFreshLogin) {
    Base(QStringLiteral("nomina"), true);
    EscribeIni(QStringLiteral("VARIABLES"), QStringLiteral("Usuario"), QStringLiteral("ana"));
    const auto form = Abre();
    form->arrayEmpresas->GoTo(1);
    form->btnEmpresaClick(nullptr);
    EXPECT_EQ(ClaveIni("BD"), QStringLiteral("nomina"));
    EXPECT_TRUE(form->IsClosed());
    TLogin* const login = Application().FindForm<TLogin>();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(login->IsClosed());
    EXPECT_EQ(login->txtUsuario->Value(), QStringLiteral("ana"));
}
