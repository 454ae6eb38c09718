// The process-wide entry to the database: owns the ODBC environment and every connection opened.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class Connection;

class DriverManager : public JovObject {
public:
    // Throws JovFileNotFoundException (empty message) when the data source cannot be opened.
    static Connection* getConnection(const JovString& dataSource, const JovString& user,
                                     const JovString& password);
    // Connections opened so far, including disconnected ones; 0 before the first open.
    static int connectionCount();

    JovString toString() const override;

private:
    DriverManager();
    ~DriverManager() override;
    static DriverManager& instance();
    static void destroyInstance();

    JovVector connections;
    void* environment = nullptr;
};
