#include "ado/ServerErrors.h"

#include <sqlite3.h>

#include <array>
#include <iterator>

namespace ado {

namespace {

using E = ServerError;

// SQL Server's errors as SQL Server writes them, with the codes its ODBC driver reports.
constexpr ServerErrorInfo kErrors[] = {
    {E::IncorrectSyntax, 102, "42000", 15, "Incorrect syntax near '%1'."},
    {E::IncorrectSyntaxAtEnd, 102, "42000", 15, "Incorrect syntax near the end of the statement."},
    {E::UnclosedQuotation, 105, "42000", 15,
     "Unclosed quotation mark after the character string '%1'."},
    {E::UnclosedName, 105, "42000", 15, "Unclosed quotation mark before '%1'."},
    {E::MissingEndComment, 113, "42000", 15, "Missing end comment mark '*/'."},
    {E::CreateViewNotFirst, 111, "42000", 15,
     "'CREATE VIEW' must be the first statement in a query batch."},
    {E::OutsideWhile, 135, "42000", 15,
     "Cannot use a %1 statement outside the scope of a WHILE statement."},
    {E::VariableRedeclared, 134, "42000", 15,
     "The variable name '%1' has already been declared. Variable names must be unique within a "
     "query batch or stored procedure."},
    {E::UndeclaredVariable, 137, "42000", 15, "Must declare the scalar variable \"%1\"."},
    {E::UnknownType, 2715, "42000", 16,
     "Column, parameter, or variable: cannot find data type %1."},
    {E::NestedTooDeeply, 191, "42000", 15,
     "Some part of your SQL statement is nested too deeply. Rewrite the query or break it up "
     "into smaller queries."},
    {E::UnknownFunction, 195, "42000", 15, "'%1' is not a recognized built-in function name."},
    {E::ArgumentCount, 174, "42000", 15, "The %1 function requires %2 argument(s)."},
    {E::UnknownOption, 155, "42000", 15, "'%1' is not a recognized %2 option."},

    {E::InvalidObjectName, 208, "42S02", 16, "Invalid object name '%1'."},
    {E::InvalidColumnName, 207, "42S22", 16, "Invalid column name '%1'."},
    {E::UnboundIdentifier, 4104, "42000", 16,
     "The multi-part identifier \"%1\" could not be bound."},
    {E::AmbiguousColumn, 209, "42000", 16, "Ambiguous column name '%1'."},
    {E::AmbiguousTable, 8154, "42000", 16, "The table '%1' is ambiguous."},
    {E::ObjectExists, 2714, "42S01", 16, "There is already an object named '%1' in the database."},
    {E::DuplicateColumn, 2705, "42S21", 16,
     "Column names in each table must be unique. Column name '%1' in table '%2' is specified "
     "more than once."},
    {E::CannotDropTable, 3701, "42S02", 11,
     "Cannot drop the table '%1', because it does not exist or you do not have permission."},
    {E::CannotDropView, 3701, "42S02", 11,
     "Cannot drop the view '%1', because it does not exist or you do not have permission."},

    {E::NotInGroupBy, 8120, "42000", 16,
     "Column '%1' is invalid in the select list because it is not contained in either an "
     "aggregate function or the GROUP BY clause."},
    {E::HavingNotInGroupBy, 8121, "42000", 16,
     "Column '%1' is invalid in the HAVING clause because it is not contained in either an "
     "aggregate function or the GROUP BY clause."},
    {E::OrderByNotInGroupBy, 8127, "42000", 16,
     "Column \"%1\" is invalid in the ORDER BY clause because it is not contained in either an "
     "aggregate function or the GROUP BY clause."},
    {E::AggregateInWhere, 147, "42000", 15,
     "An aggregate may not appear in the WHERE clause unless it is in a subquery contained in a "
     "HAVING clause or a select list, and the column being aggregated is an outer reference."},
    {E::AggregateOfAggregate, 130, "42000", 16,
     "Cannot perform an aggregate function on an expression containing an aggregate or a "
     "subquery."},
    {E::AggregateInGroupBy, 144, "42000", 15,
     "Cannot use an aggregate or a subquery in an expression used for the group by list of a "
     "GROUP BY clause."},
    {E::OrderByNotDistinct, 145, "42000", 15,
     "ORDER BY items must appear in the select list if SELECT DISTINCT is specified."},
    {E::OrderByNotInUnion, 104, "42000", 16,
     "ORDER BY items must appear in the select list if the statement contains a UNION, INTERSECT "
     "or EXCEPT operator."},
    {E::OrderByPosition, 108, "42000", 15,
     "The ORDER BY position number %1 is out of range of the number of items in the select "
     "list."},

    {E::MultiplePrimaryKeys, 8110, "42000", 16,
     "Cannot add multiple PRIMARY KEY constraints to table '%1'."},
    {E::MultipleIdentity, 2744, "42000", 16,
     "Multiple identity columns specified for table '%1'. Only one identity column per table is "
     "allowed."},
    {E::IdentityType, 2749, "42000", 16,
     "Identity column '%1' must be of data type int, bigint, smallint, tinyint, or decimal or "
     "numeric with a scale of 0, and constrained to be nonnullable."},
    {E::AlterAddNotNull, 4901, "42000", 16,
     "ALTER TABLE only allows columns to be added that can contain nulls, or have a DEFAULT "
     "definition specified. Table '%1'."},
    {E::ViewColumnCount, 4502, "42000", 16,
     "Create View or Function failed because the number of column names specified does not "
     "match the number of columns in the query."},
    {E::ViewColumnUnnamed, 4511, "42000", 16,
     "Create View or Function failed because no column name was specified for column %1."},
    {E::DatabaseMissing, 911, "42000", 16,
     "Database '%1' does not exist. Make sure that the name is entered correctly."},
    {E::DatabaseExists, 1801, "42000", 16,
     "Database '%1' already exists. Choose a different database name."},
    {E::CreateDatabaseFailed, 1802, "42000", 16, "CREATE DATABASE failed: %1"},

    {E::InsertValueCount, 213, "21S01", 16,
     "Column name or number of supplied values does not match table definition."},
    {E::InsertColumnCount, 109, "21S01", 15,
     "The number of values does not match the number of columns in the INSERT statement."},
    {E::IdentityInsert, 544, "23000", 16,
     "Cannot insert explicit value for identity column in table '%1' when IDENTITY_INSERT is set "
     "to OFF."},
    {E::IdentityUpdate, 8102, "42000", 16, "Cannot update identity column '%1'."},
    {E::DuplicateKeyRow, 2601, "23000", 14,
     "Cannot insert duplicate key row in object 'dbo.%1' with unique index '%2'."},
    {E::PrimaryKeyViolation, 2627, "23000", 14,
     "Violation of PRIMARY KEY constraint '%1'. Cannot insert duplicate key in object 'dbo.%2'."},
    {E::NullNotAllowed, 515, "23000", 16,
     "Cannot insert the value NULL into column '%1', table '%2.dbo.%3'; column does not allow "
     "nulls. %4 fails."},
    {E::ConstraintConflict, 547, "23000", 16,
     "The %1 statement conflicted with the %2 constraint."},
    {E::CommitWithoutBegin, 3902, "25000", 16,
     "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."},
    {E::RollbackWithoutBegin, 3903, "25000", 16,
     "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."},

    {E::ConversionFailed, 245, "22018", 16,
     "Conversion failed when converting the varchar value '%1' to data type %2."},
    {E::DateConversionFailed, 241, "22007", 16,
     "Conversion failed when converting date and/or time from character string."},
    {E::ErrorConverting, 8114, "42000", 16, "Error converting data type varchar to %1."},
    {E::IntegerOverflowed, 244, "22003", 16,
     "The conversion of the varchar value '%1' overflowed an %2 column. Use a larger integer "
     "column."},
    {E::ArithmeticOverflow, 8115, "22003", 16,
     "Arithmetic overflow error converting expression to data type %1."},
    {E::NumericOverflow, 8115, "22003", 16,
     "Arithmetic overflow error converting numeric to data type numeric."},
    {E::NumericOverflowTo, 8115, "22003", 16,
     "Arithmetic overflow error converting numeric to data type %1."},
    {E::OverflowConverting, 8115, "22003", 16,
     "Arithmetic overflow error converting %1 to data type %2."},
    {E::DateTimeOutOfRange, 242, "22007", 16,
     "The conversion of a varchar data type to a datetime data type resulted in an out-of-range "
     "value."},
    {E::SmallDateTimeOutOfRange, 242, "22007", 16,
     "The conversion of a varchar data type to a smalldatetime data type resulted in an "
     "out-of-range value."},
    {E::DateAddOverflow, 517, "22007", 16,
     "Adding a value to a 'datetime' column caused an overflow."},
    {E::InvalidDateParts, 289, "22007", 16,
     "Cannot construct data type date, some of the arguments have values which are not valid."},
    {E::Truncated, 8152, "22001", 16, "String or binary data would be truncated."},
    {E::InvalidStyle, 281, "42000", 16, "%1 is not a valid style number when converting %2."},
    {E::DivideByZero, 8134, "22012", 16, "Divide by zero error encountered."},
    {E::InvalidFloatOperation, 3623, "42000", 16, "An invalid floating point operation occurred."},
    {E::InvalidLength, 537, "42000", 16, "Invalid length parameter passed to the %1 function."},
    {E::InvalidEscape, 506, "22019", 16,
     "The invalid escape character \"%1\" was specified in a LIKE predicate."},
    {E::ConversionOutOfRange, 242, "22007", 16,
     "The conversion of a %1 data type to a %2 data type resulted in an out-of-range value."},
    {E::ExplicitConversion, 529, "42000", 16,
     "Explicit conversion from data type %1 to %2 is not allowed."},
    {E::OperandTypeClash, 206, "22018", 16, "Operand type clash: %1 is incompatible with %2"},
    {E::InvalidArgumentType, 8116, "42000", 16,
     "Argument data type %1 is invalid for argument %2 of %3 function."},
    {E::DateTimePartsInvalid, 289, "22007", 16,
     "Cannot construct data type datetime, some of the arguments have values which are not "
     "valid."},
    {E::DateAddOverflowOf, 517, "22007", 16, "Adding a value to a '%1' column caused an overflow."},
    {E::DatePartNotSupported, 9810, "42000", 16,
     "The datepart %1 is not supported by date function %2 for data type %3."},
    {E::DateDiffOverflow, 535, "22003", 16,
     "The datediff function resulted in an overflow. The number of dateparts separating two "
     "date/time instances is too large. Try to use datediff with a less precise datepart."},
    {E::IdentityNullable, 8147, "42000", 16,
     "Could not create IDENTITY attribute on nullable column '%1', table '%2'."},
    {E::OperandInvalid, 8117, "42000", 16, "Operand data type %1 is invalid for %2 operator."},
    {E::PercentRange, 1031, "42000", 15, "Percent values must be between 0 and 100."},
    {E::PartsInvalidOf, 289, "22007", 16,
     "Cannot construct data type %1, some of the arguments have values which are not valid."},
    {E::ScaleNotConstant, 10760, "42000", 16,
     "Scale argument is not valid. Valid expressions for data type %1 scale argument are integer "
     "constants and integer constant expressions."},

    {E::LockTimeout, 1222, "HYT00", 16, "Lock request time out period exceeded."},
    {E::CannotOpenDatabase, 4060, "42000", 11,
     "Cannot open database \"%1\" requested by the login. The login failed."},
    {E::CannotOpenDatabaseFile, 4060, "42000", 11,
     "Cannot open database \"%1\" requested by the login. The login failed. (%2)"},
    {E::ServerNotFound, 53, "08001", 16,
     "A network-related or instance-specific error occurred while establishing a connection to "
     "SQL Server. The server was not found or was not accessible. (No folder of databases "
     "'%1'.)"},
    {E::DiskFull, 1105, "42000", 17,
     "Could not allocate space in database '%1' because the disk is full."},
    {E::ReadOnly, 3906, "25000", 16,
     "Failed to update database \"%1\" because the database is read-only."},
    {E::Corrupt, 824, "HY000", 24, "The file of database '%1' is damaged (%2)."},
    {E::InputOutput, 823, "HY000", 24,
     "The operating system returned an error on the file of database '%1' (%2)."},
    {E::OutOfMemory, 701, "HY001", 19, "There is insufficient system memory to run this query."},
    {E::NumberOutOfRange, 1007, "42000", 15,
     "The number '%1' is out of the range for numeric representation (maximum precision 38)."},

    {E::NotSupported, 0, "HY000", 16, "%1 is not supported by the embedded engine."},
    {E::TooManyDigits, 0, "HY000", 16,
     "Decimal values of more than 15 significant digits are not supported by the embedded "
     "engine."},
    {E::DatesBefore1753, 0, "HY000", 16,
     "Dates before 1753 are not supported by the embedded engine."},
    {E::OuterJoinUpdate, 0, "HY000", 16,
     "Outer joins in UPDATE ... FROM are not supported by the embedded engine."},
    {E::IdentityPlacement, 0, "HY000", 16,
     "The embedded engine supports an IDENTITY column only as the table's primary key or in a "
     "table without one."},
    {E::IdentityAdded, 0, "HY000", 16,
     "The embedded engine cannot add an IDENTITY column to an existing table."},
    {E::EngineFailure, 0, "HY000", 16, "%1"},
    {E::InternalError, 0, "HY000", 20, "Internal error: %1."},
};

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < std::size(kErrors); ++i) {
        if (static_cast<std::size_t>(kErrors[i].error) != i)
            return false;
    }
    return static_cast<std::size_t>(E::InternalError) + 1 == std::size(kErrors);
}
static_assert(inEnumOrder(), "one entry per error, in the enum's order");

// Extended codes of SQLITE_ERROR above SQLite's own (which stop at 3 << 8).
constexpr int kFirstRaisedCode = 0x100;

}  // namespace

const ServerErrorInfo& serverErrorInfo(ServerError error) {
    return kErrors[static_cast<std::size_t>(error)];
}

QString serverErrorMessage(ServerError error, const QStringList& arguments) {
    QString text = QString::fromUtf8(serverErrorInfo(error).message);
    // One pass over the template, so that an argument holding "%2" stays as it is.
    QString out;
    out.reserve(text.size() + 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            const int n = text[i + 1].digitValue();
            if (n >= 1 && n <= arguments.size())
                out += arguments[n - 1];
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

const ServerErrorInfo* serverErrorsBegin() {
    return std::begin(kErrors);
}
const ServerErrorInfo* serverErrorsEnd() {
    return std::end(kErrors);
}

int sqliteCodeOf(ServerError error) {
    return SQLITE_ERROR | ((kFirstRaisedCode + static_cast<int>(error)) << 8);
}

std::optional<ServerError> serverErrorOfSqliteCode(int extendedCode) {
    if ((extendedCode & 0xff) != SQLITE_ERROR)
        return std::nullopt;
    const int index = (extendedCode >> 8) - kFirstRaisedCode;
    if (index < 0 || index >= static_cast<int>(std::size(kErrors)))
        return std::nullopt;
    return static_cast<ServerError>(index);
}

}  // namespace ado
