#include "storage/ini_line_walker.h"

IniLineWalker::IniLineWalker(QByteArrayView content, qsizetype from)
    : m_content(content), m_start(from)
{
    measure();
}

void IniLineWalker::advance()
{
    m_start = m_next;
    measure();
}

void IniLineWalker::measure()
{
    const qsizetype size = m_content.size();
    qsizetype end = m_start;
    while (end < size && m_content[end] != '\r' && m_content[end] != '\n')
        ++end;
    m_textEnd = end;
    if (end < size)
        end += m_content[end] == '\r' && end + 1 < size && m_content[end + 1] == '\n' ? 2 : 1;
    m_next = end;
}
