// The small sorting interface shared by the appointment list and the index array.
#pragma once

#include <cstdint>

class CSortable {
public:
    virtual ~CSortable() = default;
    virtual void SetAscending() { m_bAscending = 1; }
    virtual void SetDescending() { m_bAscending = 0; }
    virtual int32_t IsAscending() const { return m_bAscending; }
    // Sorts the collection in the current direction.
    virtual void Sort() = 0;

protected:
    int32_t m_bAscending = 1;
};
