// A table open for one step of the game: whatever ends the step, the table
// is closed again, so no other copy of the game meets a file held open.
#pragma once

#include "questions/dbf_table.h"

class TableSession {
public:
    explicit TableSession(DbfTable& table) : m_table(table) {}
    ~TableSession()
    {
        if (m_table.IsOpen())
            m_table.CloseTable();
    }
    TableSession(const TableSession&) = delete;
    TableSession& operator=(const TableSession&) = delete;

private:
    DbfTable& m_table;
};
