// Maps from platform handles to the framework's objects: permanent entries for objects that
// own or route their handle, temporary wrappers for foreign handles, deleted when idle.
// The user-interface thread alone uses them.
#pragma once

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

template <typename Handle, typename Object>
class CHandleMap
{
public:
    // Clears an object's handle so that deleting the wrapper leaves the handle alone.
    using Release = void (*)(Object&);

    explicit CHandleMap(Release release) : m_release(release) {}
    ~CHandleMap() { DeleteTemporary(); }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    Object* LookupPermanent(Handle handle) const
    {
        auto it = m_permanent.find(handle);
        return it != m_permanent.end() ? it->second : nullptr;
    }

    // The permanent object of handle, else its temporary wrapper, made by wrap(handle) if new.
    template <typename Wrap>
    Object* FromHandle(Handle handle, Wrap wrap)
    {
        if (handle == nullptr)
            return nullptr;
        if (Object* object = LookupPermanent(handle))
            return object;
        auto it = m_temporary.find(handle);
        if (it != m_temporary.end())
            return it->second.get();
        std::unique_ptr<Object> object = wrap(handle);
        Object* raw = object.get();
        m_temporary.emplace(handle, std::move(object));
        return raw;
    }

    // A wrapper made earlier for the handle stays valid until the next clean-up.
    void SetPermanent(Handle handle, Object* object)
    {
        auto it = m_temporary.find(handle);
        if (it != m_temporary.end()) {
            m_retired.push_back(std::move(it->second));
            m_temporary.erase(it);
        }
        m_permanent[handle] = object;
    }

    void RemovePermanent(Handle handle, const Object* object)
    {
        auto it = m_permanent.find(handle);
        if (it != m_permanent.end() && it->second == object)
            m_permanent.erase(it);
    }

    void DeleteTemporary()
    {
        std::vector<std::unique_ptr<Object>> doomed = std::move(m_retired);
        m_retired.clear();
        for (auto& entry : m_temporary)
            doomed.push_back(std::move(entry.second));
        m_temporary.clear();
        for (auto& object : doomed)
            m_release(*object);
    }

    size_t TemporaryCount() const { return m_temporary.size() + m_retired.size(); }

private:
    Release m_release;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
    std::vector<std::unique_ptr<Object>> m_retired;
};
