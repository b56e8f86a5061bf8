#pragma once

#include "core/colour.h"
#include "core/report_list.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The directory of a screen that places files by start block and length: one row per file, in the
// order of adding, with the name cell drawn in the file's colour, then the start and the length as
// read. Columns after those three start empty.
class FileDirectory {
public:
    static constexpr int WIDTH = 3495;  // twips, the list view's width on the forms
    static constexpr std::size_t LENGHT_COLUMN = 2;

    struct Column {
        const char* caption;
        int percent;  // of the list's width
    };

    explicit FileDirectory(std::vector<Column> columns) : m_columns(std::move(columns)) {}

    // Report view and the columns, each at its percentage of the width.
    void createColumns();
    void setColumnPercent(std::size_t position, int percent);
    void append(const std::string& name, int start, int length, ColourValue colour);
    void clear() { m_list.clearRows(); }

    const ReportList& list() const { return m_list; }
    std::size_t rowCount() const { return m_list.rowCount(); }

protected:
    ReportList m_list{WIDTH};

private:
    std::vector<Column> m_columns;
};
