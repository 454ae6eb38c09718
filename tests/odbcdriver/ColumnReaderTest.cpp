// The C types a column's value arrives in when the program asks for the default type.
#include "odbcdriver/ColumnReader.h"

#include <gtest/gtest.h>

// Wide text still arrives as 8-bit characters; types the program does not read are left to the
// driver.
TEST(ColumnReaderTest, ColumnTypesGetTheDefaultCTypeTheProgramReads) {
    const struct {
        SQLSMALLINT sqlType;
        SQLSMALLINT cType;
    } cases[] = {{SQL_INTEGER, SQL_C_SLONG},     {SQL_BIT, SQL_C_BIT},
                 {SQL_DOUBLE, SQL_C_DOUBLE},     {SQL_FLOAT, SQL_C_DOUBLE},
                 {SQL_VARCHAR, SQL_C_CHAR},      {SQL_WVARCHAR, SQL_C_CHAR},
                 {SQL_WLONGVARCHAR, SQL_C_CHAR}, {SQL_TYPE_DATE, SQL_C_DEFAULT},
                 {SQL_VARBINARY, SQL_C_DEFAULT}, {SQL_UNKNOWN_TYPE, SQL_C_DEFAULT}};
    for (const auto& [sqlType, cType] : cases) {
        SCOPED_TRACE(sqlType);
        EXPECT_EQ(ColumnReader::defaultCType(sqlType), cType);
    }
}
