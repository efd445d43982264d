// A set of list positions (the selected rows of a list), sortable by value.
#pragma once

#include "core/Sortable.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

class CIndexArray : public CSortable {
public:
    CIndexArray() = default;
    CIndexArray(std::initializer_list<int32_t> indices) : m_indices(indices) {}

    void Add(int32_t index) { m_indices.push_back(index); }
    void RemoveAll() { m_indices.clear(); }
    size_t GetSize() const { return m_indices.size(); }
    int32_t GetAt(size_t i) const { return m_indices[i]; }
    const std::vector<int32_t>& Indices() const { return m_indices; }

    void Sort() override;

private:
    std::vector<int32_t> m_indices;
};
