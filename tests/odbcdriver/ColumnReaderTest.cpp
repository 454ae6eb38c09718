// The C types a column's value arrives in when the program asks for the default type.
#include "odbcdriver/ColumnReader.h"

#include <gtest/gtest.h>

TEST(ColumnReaderTest, ProgramColumnTypesGetTheirStandardDefaultCType) {
    EXPECT_EQ(ColumnReader::defaultCType(SQL_INTEGER), SQL_C_SLONG);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_BIT), SQL_C_BIT);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_DOUBLE), SQL_C_DOUBLE);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_FLOAT), SQL_C_DOUBLE);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_VARCHAR), SQL_C_CHAR);
}

TEST(ColumnReaderTest, WideTextIsStillDeliveredAsEightBitCharacters) {
    EXPECT_EQ(ColumnReader::defaultCType(SQL_WVARCHAR), SQL_C_CHAR);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_WLONGVARCHAR), SQL_C_CHAR);
}

TEST(ColumnReaderTest, OtherTypesAreLeftToTheDriver) {
    EXPECT_EQ(ColumnReader::defaultCType(SQL_TYPE_DATE), SQL_C_DEFAULT);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_VARBINARY), SQL_C_DEFAULT);
    EXPECT_EQ(ColumnReader::defaultCType(SQL_UNKNOWN_TYPE), SQL_C_DEFAULT);
}
