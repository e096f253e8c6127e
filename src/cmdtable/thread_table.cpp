// Each thread's copy of the command table, and the layout every copy is built from.
#include "cmdtable/thread_table.h"

#include <memory>
#include <unordered_map>

#include "cmdtable/records.h"

namespace zem {
namespace {

class LayoutBuilder {
public:
    TableLayout build()
    {
        for (MqscKeyword **command = table::kCommands; *command != nullptr; ++command)
            layout_.commands.push_back(recordOrdinal(*command));
        // Records met while placing lists are appended and placed in turn.
        for (std::size_t i = 0; i < layout_.records.size(); ++i) {
            const MqscKeyword *record = layout_.records[i];
            int32_t params = listOffset(record->params);
            int32_t values = valuesOffset(record->values);
            layout_.recordParams[i] = params;
            layout_.recordValues[i] = values;
        }
        return std::move(layout_);
    }

private:
    int32_t recordOrdinal(const MqscKeyword *record)
    {
        if (record == nullptr)
            return -1;
        auto [found, added] = records_.emplace(record, static_cast<int32_t>(layout_.records.size()));
        if (added) {
            layout_.records.push_back(record);
            layout_.recordParams.push_back(-1);
            layout_.recordValues.push_back(-1);
        }
        return found->second;
    }

    // A list runs to its NULL keyword, so entries behind an inner end mark are copied too.
    int32_t listOffset(const MqscParam *list)
    {
        if (list == nullptr)
            return -1;
        auto [found, added] = lists_.emplace(list, static_cast<int32_t>(layout_.params.size()));
        if (!added)
            return found->second;
        layout_.listAt.push_back(static_cast<int32_t>(layout_.lists.size()));
        layout_.lists.push_back(list);
        for (const MqscParam *entry = list;; ++entry) {
            if (entry != list)
                layout_.listAt.push_back(-1);
            layout_.params.push_back(entry);
            layout_.paramKeyword.push_back(recordOrdinal(entry->keyword));
            if (entry->keyword == nullptr)
                break;
        }
        return found->second;
    }

    int32_t valuesOffset(MqscKeyword *const *values)
    {
        if (values == nullptr)
            return -1;
        auto [found, added] = values_.emplace(values, static_cast<int32_t>(layout_.valueSlots.size()));
        if (!added)
            return found->second;
        for (MqscKeyword *const *value = values; *value != nullptr; ++value)
            layout_.valueSlots.push_back(recordOrdinal(*value));
        layout_.valueSlots.push_back(-1);
        return found->second;
    }

    TableLayout layout_;
    std::unordered_map<const MqscKeyword *, int32_t> records_;
    std::unordered_map<const MqscParam *, int32_t> lists_;
    std::unordered_map<MqscKeyword *const *, int32_t> values_;
};

// One thread's copy. Its vectors are sized once, so the pointers into them stay valid.
class ThreadTable {
public:
    explicit ThreadTable(const TableLayout &layout)
        : listAt_(layout.listAt), records_(layout.records.size()), params_(layout.params.size()),
          valueSlots_(layout.valueSlots.size()), touchedFlags_(layout.records.size(), 0)
    {
        touched_.resize(layout.records.size());
        commands_.reserve(layout.commands.size() + 1);
        for (std::size_t i = 0; i < records_.size(); ++i) {
            MqscKeyword &record = records_[i];
            record = *layout.records[i];
            record.params = layout.recordParams[i] < 0 ? nullptr : &params_[layout.recordParams[i]];
            record.values = layout.recordValues[i] < 0 ? nullptr : &valueSlots_[layout.recordValues[i]];
            record.isSet = 0;
            record.value = 0;
        }
        for (std::size_t i = 0; i < params_.size(); ++i) {
            params_[i] = *layout.params[i];
            params_[i].keyword = recordAt(layout.paramKeyword[i]);
        }
        for (std::size_t i = 0; i < valueSlots_.size(); ++i)
            valueSlots_[i] = recordAt(layout.valueSlots[i]);
        for (int32_t ordinal : layout.commands)
            commands_.push_back(recordAt(ordinal));
        commands_.push_back(nullptr);
    }
    ThreadTable(const ThreadTable &) = delete;
    ThreadTable &operator=(const ThreadTable &) = delete;
    ~ThreadTable();

    MqscKeyword **commands() { return commands_.data(); }
    MqscKeyword *recordAt(int32_t ordinal) { return ordinal < 0 ? nullptr : &records_[ordinal]; }

    int32_t listOrdinal(const MqscParam *list) const
    {
        if (params_.empty() || list < params_.data() || list >= params_.data() + params_.size())
            return -1;
        return listAt_[static_cast<std::size_t>(list - params_.data())];
    }

    TouchedMarks marks()
    {
        return {records_.data(), records_.size() * sizeof(MqscKeyword), touchedFlags_.data(), touched_.data(),
                &touchedCount_};
    }

    void reset()
    {
        for (std::size_t i = 0; i < touchedCount_; ++i) {
            MqscKeyword *record = touched_[i];
            ResetRecord(record);
            touchedFlags_[static_cast<std::size_t>(record - records_.data())] = 0;
        }
        touchedCount_ = 0;
        stringsUsed_ = 0;  // every record that held one of its strings was touched
    }

    // size bytes of the string room, or NULL when it cannot hold them.
    char *takeString(std::size_t size) noexcept
    {
        if (size > kStringRoom - stringsUsed_)
            return nullptr;
        if (!strings_) {
            strings_.reset(new (std::nothrow) char[kStringRoom]);
            if (!strings_)
                return nullptr;
        }
        char *taken = strings_.get() + stringsUsed_;
        stringsUsed_ += size;
        return taken;
    }
    bool holdsString(const char *text) const noexcept
    {
        // As addresses, so that any pointer compares safely.
        auto at = reinterpret_cast<std::uintptr_t>(text), start = reinterpret_cast<std::uintptr_t>(strings_.get());
        return strings_ && at - start < kStringRoom;
    }

    std::size_t bytes() const
    {
        return sizeof *this + records_.capacity() * sizeof(MqscKeyword) + params_.capacity() * sizeof(MqscParam) +
               valueSlots_.capacity() * sizeof(MqscKeyword *) + commands_.capacity() * sizeof(MqscKeyword *) +
               touchedFlags_.capacity() + touched_.capacity() * sizeof(MqscKeyword *) + (strings_ ? kStringRoom : 0);
    }

private:
    const std::vector<int32_t> &listAt_;  // the layout's, which lives as long as the process
    std::vector<MqscKeyword> records_;
    std::vector<MqscParam> params_;
    std::vector<MqscKeyword *> valueSlots_;
    std::vector<MqscKeyword *> commands_;
    std::vector<uint8_t> touchedFlags_;
    std::vector<MqscKeyword *> touched_;  // the first touchedCount_ are noted (NoteTouched)
    std::size_t touchedCount_ = 0;
    // The strings the records hold in a typical conversion, taken one after the other and
    // given back together at the reset instead of allocated and freed one by one.
    static constexpr std::size_t kStringRoom = 4 * 1024;
    std::unique_ptr<char[]> strings_;
    std::size_t stringsUsed_ = 0;
};

// Released, with the strings its records hold, when the thread ends.
thread_local std::unique_ptr<ThreadTable> t_table;
// The same table for the paths every keyword takes: a plain pointer is read without the
// guard that an object with a destructor needs. Cleared when the table goes.
thread_local ThreadTable *t_tableInUse = nullptr;

ThreadTable &Table()
{
    if (!t_tableInUse) {
        t_table = std::make_unique<ThreadTable>(CommandTableLayout());
        t_tableInUse = t_table.get();
        t_touchedMarks = t_tableInUse->marks();
    }
    return *t_tableInUse;
}

ThreadTable::~ThreadTable()
{
    reset();  // while the string room is still known as this thread's
    t_tableInUse = nullptr;
    t_touchedMarks = TouchedMarks();
}

}  // namespace

const TableLayout &CommandTableLayout()
{
    static const TableLayout layout = LayoutBuilder().build();
    return layout;
}

MqscKeyword *ThreadListRecords(const MqscParam *list, int32_t &listOrdinal) noexcept
{
    ThreadTable *table = t_tableInUse;
    listOrdinal = table ? table->listOrdinal(list) : -1;
    return listOrdinal < 0 ? nullptr : table->recordAt(0);
}

MqscKeyword **ThreadCommands() { return Table().commands(); }

thread_local TouchedMarks t_touchedMarks;

void ResetTouched() { Table().reset(); }

char *TakeStringRoom(const MqscKeyword *record, std::size_t size) noexcept
{
    return ThreadRecordOrdinal(record) >= 0 && t_tableInUse ? t_tableInUse->takeString(size) : nullptr;
}

bool InStringRoom(const char *text) noexcept { return t_tableInUse && t_tableInUse->holdsString(text); }

std::size_t ThreadTableBytes() { return Table().bytes(); }

}  // namespace zem
