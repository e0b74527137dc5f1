#include "store/DataStore.h"

#include "platform/Paths.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/StoreQuery.h"
#include "store/StoreSchema.h"

#include <filesystem>
#include <system_error>

namespace clavora {

using namespace storequery;

namespace {

constexpr int kOpenExistingFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
constexpr int kOpenCreateFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;

// A model name comes from config.xml; one with a '/' would put the file outside the db folder.
bool IsUsableModelName(const std::string& modelName)
{
    return modelName.find('/') == std::string::npos && modelName.find('\0') == std::string::npos;
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace

DataStore& DataStore::GetInstance()
{
    static DataStore instance;
    return instance;
}

DataStore::~DataStore()
{
    if (m_opened)
        m_db.Close();
}

std::string DataStore::GetPathForModel(const std::string& modelName)
{
    return GetDataFolder() + "db/" + modelName + "_data_v1.db";
}

std::string DataStore::GetPath() const
{
    std::lock_guard lock(m_lock);
    return m_path;
}

int DataStore::GetDeviceType() const
{
    std::lock_guard lock(m_lock);
    return m_deviceType;
}

bool DataStore::IsOpened() const
{
    std::lock_guard lock(m_lock);
    return m_opened;
}

bool DataStore::OpenForDevice(const std::string& modelName, int deviceType)
{
    std::lock_guard lock(m_lock);
    m_opened = OpenLocked(modelName, deviceType);
    return m_opened;
}

bool DataStore::OpenLocked(const std::string& modelName, int deviceType)
{
    m_modelName = modelName;
    m_deviceType = deviceType;
    if (!IsUsableModelName(modelName)) {
        CloseLocked();
        m_path.clear();
        return false;
    }
    std::string path = GetPathForModel(modelName);
    if (m_db.IsOpen()) {
        if (path == m_path)
            return true;
        // Writes meant for this model must never land in the previous model's file.
        CloseLocked();
    }
    m_path = path;
    CreateFolderTree(GetDataFolder() + "db");
    return FileExists(m_path) ? OpenExisting() : CreateSchema();
}

bool DataStore::OpenExisting()
{
    if (!m_db.Open(m_path.c_str(), m_key, kOpenExistingFlags))
        return false;
    int objects = ReadInt(m_db, -1, "SELECT count(*) FROM sqlite_master");
    if (objects < 0) {
        // Not a database (or unreadable): leave the file for the user to keep or restore.
        CloseLocked();
        return false;
    }
    // A file without any table is one whose creation was cut short (or an empty file):
    // complete it instead of failing on every operation from now on.
    return objects == 0 ? RunSchema() : true;
}

bool DataStore::CreateSchema()
{
    if (!m_db.Open(m_path.c_str(), m_key, kOpenCreateFlags))
        return false;
    return RunSchema();
}

bool DataStore::RunSchema()
{
    // One transaction: a crash leaves either the whole schema or an empty file, which the
    // next open completes.
    SQLiteAutoTransaction transaction(&m_db);
    bool ok = transaction.Began();
    if (ok) {
        // Every statement runs even after one failed, so the result names every failure.
        for (const char* statement : SchemaStatements())
            ok = m_db.Exec(statement) == SQLITE_OK && ok;
    }
    ok = ok ? transaction.End() : (transaction.Rollback(), false);
    if (!ok)
        CloseLocked();
    return ok;
}

bool DataStore::Close()
{
    std::lock_guard lock(m_lock);
    return CloseLocked();
}

bool DataStore::CloseLocked()
{
    if (!m_db.Close())
        return false;
    m_opened = false;
    return true;
}

void DataStore::DeleteFiles(const std::string& path)
{
    // The log files go too: a stale write-ahead log beside a new file would be replayed
    // into it.
    std::error_code ec;
    for (const char* suffix : { "", "-wal", "-shm", "-journal" })
        std::filesystem::remove(path + suffix, ec);
}

void DataStore::DeleteForDevice(const std::string& modelName)
{
    std::lock_guard lock(m_lock);
    if (!IsUsableModelName(modelName))
        return;
    std::string path = GetPathForModel(modelName);
    // Deleting the open file would let later writes vanish with the unlinked file.
    if (m_db.IsOpen() && path == m_path)
        CloseLocked();
    DeleteFiles(path);
}

bool DataStore::RestoreFactoryData()
{
    std::lock_guard lock(m_lock);
    if (!CloseLocked())
        return false;
    if (IsUsableModelName(m_modelName))
        DeleteFiles(GetPathForModel(m_modelName));
    m_opened = OpenLocked(m_modelName, m_deviceType);
    return m_opened;
}

void DataStore::SeedDefaultConfig()
{
    std::lock_guard lock(m_lock);
    Atomically(m_db, [this] {
        for (const ConfigRow& row : DefaultConfigRows())
            Run(m_db, "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);", 1,
                std::string(row.key), std::string(row.value));
        return true;
    });
}

} // namespace clavora
