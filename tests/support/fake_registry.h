#pragma once

#include "shell/system_info.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct StoredValue {
    std::uint32_t type = registry::REG_SZ;
    std::string bytes;  // exactly as stored, a terminating zero included if there is one
};

// A registry of a few keys, which records how it was used.
class FakeRegistry final : public Registry {
public:
    std::map<std::pair<std::string, std::string>, StoredValue> values;  // (key, value name)
    std::vector<std::string> keys;
    std::uint32_t lastAccess = 0;
    std::uint32_t lastRoot = 0;
    int open = 0;

    bool openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t access, Key& key) override
    {
        lastRoot = rootKey;
        lastAccess = access;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == keyPath) {
                key = i + 1;
                ++open;
                return true;
            }
        }
        return false;
    }

    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer,
        std::uint32_t& size) override
    {
        const auto it = values.find({keys.at(key - 1), valueName});
        if (it == values.end() || it->second.bytes.size() > size)
            return false;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), buffer.begin());
        type = it->second.type;
        size = static_cast<std::uint32_t>(it->second.bytes.size());
        return true;
    }

    void closeKey(Key) override { --open; }

    void store(const std::string& key, const std::string& name, StoredValue value)
    {
        keys.push_back(key);
        values[{key, name}] = std::move(value);
    }
};

class FakeStarter final : public ProgramStarter {
public:
    std::vector<std::string> files;
    std::vector<std::string> fileChecks;
    std::vector<std::string> started;
    bool startWorks = true;

    bool isOrdinaryFile(const std::string& path) override
    {
        fileChecks.push_back(path);
        return std::find(files.begin(), files.end(), path) != files.end();
    }
    bool start(const std::string& path) override
    {
        started.push_back(path);
        return startWorks;
    }
};
