// The record module's entry point: the store over Qt SQL, and nothing else of the game.
#include "RecordStore.h"

extern "C" Q_DECL_EXPORT nf::RecordBackend* ninefoldMakeRecordStore(const QString& path) {
    static_assert(std::is_same_v<decltype(&ninefoldMakeRecordStore), nf::RecordModuleEntry>);
    return new nf::RecordStore(path);
}
