// The catalogue's functions: OBJECT_ID, OBJECTPROPERTY and the object ids sysobjects shows.
#include "ado/SqliteFunctions.h"

#include "ado/SqliteFunctionSupport.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateStyles.h"
#include "ado/SqlTypes.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include <sqlite3.h>

namespace ado {

using sql::Scalar;
using sql::SqlType;
using namespace support;

namespace {

// The last part of "[db].[dbo].[name]", "dbo.name" or "name".
QString objectNamePart(QString text) {
    text = text.trimmed();
    const qsizetype dot = text.lastIndexOf(u'.');
    if (dot >= 0)
        text = text.mid(dot + 1);
    if (text.startsWith(u'[') && text.endsWith(u']'))
        text = text.mid(1, text.size() - 2);
    if (text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}

}  // namespace

namespace helpers {

void fnObjId(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int64(ctx,
                         objectIdOf(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))));
}

}  // namespace helpers

namespace {

// The SQLite type ("table", "view", ...) of the main database's object with this id, or "".
QByteArray objectTypeById(sqlite3* db, long long id, QByteArray* nameOut = nullptr) {
    sqlite3_stmt* stmt = nullptr;
    QByteArray type;
    if (sqlite3_prepare_v2(db,
                           "SELECT name, type FROM main.sqlite_master WHERE type IN "
                           "('table','view','trigger')",
                           -1, &stmt, nullptr) != SQLITE_OK) {
        return type;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const char* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (std::strncmp(name, "sqlite_", 7) == 0)
            continue;
        if (objectIdOf(name) == id) {
            type = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            if (nameOut)
                *nameOut = name;
            break;
        }
    }
    sqlite3_finalize(stmt);
    return type;
}

}  // namespace

namespace native {

// OBJECT_ID(name [, type]): the type is not checked.
void objectId(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray name = objectNamePart(textOf(argv[0])).toUtf8();
    const long long id = objectIdOf(name.constData());
    if (objectTypeById(sqlite3_context_db_handle(ctx), id).isEmpty()) {
        sqlite3_result_null(ctx);
    } else {
        sqlite3_result_int64(ctx, id);
    }
}

void objectProperty(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QByteArray type =
        objectTypeById(sqlite3_context_db_handle(ctx), sqlite3_value_int64(argv[0]));
    if (type.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString property = textOf(argv[1]).trimmed().toLower();
    if (property == u"isusertable" || property == u"istable") {
        sqlite3_result_int(ctx, type == "table" ? 1 : 0);
    } else if (property == u"isview") {
        sqlite3_result_int(ctx, type == "view" ? 1 : 0);
    } else if (property == u"istrigger") {
        sqlite3_result_int(ctx, type == "trigger" ? 1 : 0);
    } else {
        sqlite3_result_null(ctx);
    }
}

}  // namespace native

long long objectIdOf(const char* name) {
    // FNV-1a over the lower-cased name, folded into SQL Server's positive int range.
    std::uint32_t h = 2166136261u;
    for (const char* p = name; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c + 32);
        h = (h ^ c) * 16777619u;
    }
    return static_cast<long long>(h & 0x7fffffff) | 1;
}

}  // namespace ado
