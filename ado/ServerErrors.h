#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace ado {

// The errors the database layer raises in SQL Server's name, by what they mean. Their number,
// SQLSTATE, severity and message stand in one table (ServerErrors.cpp), the only place that
// writes their words; code tells them apart by this value or by the number, never by text.
enum class ServerError : std::uint8_t {
    // parsing a batch
    IncorrectSyntax,       // 102 near '%1'
    IncorrectSyntaxAtEnd,  // 102
    UnclosedQuotation,     // 105 after the string '%1'
    UnclosedName,          // 105 before '%1'
    MissingEndComment,     // 113
    CreateViewNotFirst,    // 111
    OutsideWhile,          // 135 BREAK or CONTINUE '%1'
    VariableRedeclared,    // 134 '%1'
    UndeclaredVariable,    // 137 '%1'
    UnknownType,           // 2715 '%1'
    NestedTooDeeply,       // 191
    UnknownFunction,       // 195 '%1'
    ArgumentCount,         // 174 function '%1', count '%2'
    UnknownOption,         // 155 option '%1' of function '%2'
    // names
    InvalidObjectName,  // 208 '%1'
    InvalidColumnName,  // 207 '%1'
    UnboundIdentifier,  // 4104 '%1'
    AmbiguousColumn,    // 209 '%1'
    AmbiguousTable,     // 8154 '%1'
    ObjectExists,       // 2714 '%1'
    DuplicateColumn,    // 2705 column '%1', table '%2'
    CannotDropTable,    // 3701 '%1'
    CannotDropView,     // 3701 '%1'
    // grouped and ordered queries
    NotInGroupBy,          // 8120 column '%1'
    HavingNotInGroupBy,    // 8121 column '%1'
    OrderByNotInGroupBy,   // 8127 column '%1'
    AggregateInWhere,      // 147
    AggregateOfAggregate,  // 130
    AggregateInGroupBy,    // 144
    OrderByNotDistinct,    // 145
    OrderByNotInUnion,     // 104
    OrderByPosition,       // 108 position '%1'
    // definitions
    MultiplePrimaryKeys,   // 8110 table '%1'
    MultipleIdentity,      // 2744 table '%1'
    IdentityType,          // 2749 column '%1'
    AlterAddNotNull,       // 4901 table '%1'
    ViewColumnCount,       // 4502
    ViewColumnUnnamed,     // 4511 column number '%1'
    DatabaseMissing,       // 911 '%1'
    DatabaseExists,        // 1801 '%1'
    CreateDatabaseFailed,  // 1802 SQLite's reason '%1'
    // changes
    InsertValueCount,      // 213
    InsertColumnCount,     // 109
    IdentityInsert,        // 544 table '%1'
    IdentityUpdate,        // 8102 column '%1'
    DuplicateKeyRow,       // 2601 table '%1', index '%2'
    PrimaryKeyViolation,   // 2627 constraint '%1', table '%2'
    NullNotAllowed,        // 515 column '%1', database '%2', table '%3', statement '%4'
    ConstraintConflict,    // 547 statement '%1', constraint kind '%2'
    CommitWithoutBegin,    // 3902
    RollbackWithoutBegin,  // 3903
    // values
    ConversionFailed,         // 245 value '%1', type '%2'
    DateConversionFailed,     // 241
    ErrorConverting,          // 8114 type '%1'
    IntegerOverflowed,        // 244 value '%1', type '%2'
    ArithmeticOverflow,       // 8115 type '%1'
    NumericOverflow,          // 8115
    NumericOverflowTo,        // 8115 type '%1' (money, smallmoney)
    OverflowConverting,       // 8115 source type '%1', target type '%2'
    DateTimeOutOfRange,       // 242
    SmallDateTimeOutOfRange,  // 242
    DateAddOverflow,          // 517
    InvalidDateParts,         // 289
    Truncated,                // 8152
    InvalidStyle,             // 281 style '%1', direction '%2'
    DivideByZero,             // 8134
    InvalidFloatOperation,    // 3623
    InvalidLength,            // 537 function '%1'
    InvalidEscape,            // 506 escape '%1'
    ConversionOutOfRange,     // 242 source type '%1', target type '%2'
    ExplicitConversion,       // 529 source type '%1', target type '%2'
    OperandTypeClash,         // 206 types '%1' and '%2'
    InvalidArgumentType,      // 8116 type '%1', argument '%2', function '%3'
    DateTimePartsInvalid,     // 289 (datetime)
    DateAddOverflowOf,        // 517 type '%1'
    DatePartNotSupported,     // 9810 part '%1', function '%2', type '%3'
    DateDiffOverflow,         // 535
    IdentityNullable,         // 8147 column '%1', table '%2'
    OperandInvalid,           // 8117 type '%1', operator '%2'
    PercentRange,             // 1031
    PartsInvalidOf,           // 289 type '%1'
    ScaleNotConstant,         // 10760 type '%1'
    // the server and its files
    LockTimeout,             // 1222
    CannotOpenDatabase,      // 4060 '%1'
    CannotOpenDatabaseFile,  // 4060 '%1', SQLite's reason '%2'
    ServerNotFound,          // 53 folder '%1'
    DiskFull,                // 1105 '%1'
    ReadOnly,                // 3906 '%1'
    Corrupt,                 // 824 '%1', SQLite's reason '%2'
    InputOutput,             // 823 '%1', SQLite's reason '%2'
    OutOfMemory,             // 701
    NumberOutOfRange,        // 1007 the literal '%1'
    // what the embedded engine lacks, with no number of SQL Server's
    NotSupported,       // '%1' (what)
    TooManyDigits,      //
    DatesBefore1753,    //
    OuterJoinUpdate,    //
    IdentityPlacement,  //
    IdentityAdded,      //
    EngineFailure,      // SQLite's own message '%1', when no error above is meant
    InternalError,      // '%1'
};

struct ServerErrorInfo {
    ServerError error;
    int number;            // SQL Server's error number; 0 for the engine's own refusals
    const char* sqlState;  // as SQL Server's ODBC driver reports it
    int severity;
    const char* message;  // with %1, %2 ... for its arguments, in order
};

const ServerErrorInfo& serverErrorInfo(ServerError error);

// The message of `error` with its arguments in place.
QString serverErrorMessage(ServerError error, const QStringList& arguments = {});

// Every entry, in the enum's order (for tests that read the whole table).
const ServerErrorInfo* serverErrorsBegin();
const ServerErrorInfo* serverErrorsEnd();

// SQLite carries an error raised inside a function as an extended result code of SQLITE_ERROR:
// these give that code for an error and read it back (nothing for SQLite's own codes).
int sqliteCodeOf(ServerError error);
std::optional<ServerError> serverErrorOfSqliteCode(int extendedCode);

}  // namespace ado
