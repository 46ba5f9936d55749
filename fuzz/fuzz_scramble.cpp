// The password scrambling: every byte string, read as Windows-1252 text, comes back from
// scrambling and unscrambling unchanged, one byte per character all the way.
#include "fuzz/FuzzTarget.h"
#include "security/CLSUSUARIO.h"
#include "ui/Cp1252.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString clave = cp1252::decode(bytes);
    FUZZ_CHECK(cp1252::encode(clave) == bytes);
    const QString cifrada = clsUsuario::EncriptaPWD(clave);
    FUZZ_CHECK(cifrada.size() == clave.size());
    qsizetype fallo = 0;
    FUZZ_CHECK(cp1252::encode(cifrada, &fallo).size() == bytes.size() && fallo == -1);
    FUZZ_CHECK(clsUsuario::DesencriptaPWD(cifrada) == clave);
    FUZZ_CHECK(clsUsuario::EncriptaPWD(clsUsuario::DesencriptaPWD(clave)) == clave);
    return 0;
}
