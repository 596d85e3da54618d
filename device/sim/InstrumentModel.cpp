#include "InstrumentModel.h"

#include "DeviceProtocol.h"

#include <algorithm>

void InstrumentModel::setGroup(int nGroupNumber, std::vector<SimRecord> records)
{
    if (records.size() > 255)
        records.resize(255);
    groups[nGroupNumber] = std::move(records);
}

void InstrumentModel::clear()
{
    groups.clear();
}

std::vector<uint8_t> InstrumentModel::replyTo(const std::vector<uint8_t>& request, int nReplyLength) const
{
    if (request.size() < 4)
        return {};
    std::vector<uint8_t> reply(static_cast<size_t>(std::max(nReplyLength, 0)), 0);
    auto put = [&](size_t index, uint8_t value) {
        if (index < reply.size())
            reply[index] = value;
    };

    const auto group = groups.find(request[2]);
    const size_t nRecords = group == groups.end() ? 0 : group->second.size();
    const SimRecord* record = request[3] >= 1 && request[3] <= nRecords ? &group->second[request[3] - 1u]
                                                                        : nullptr;
    switch (request[1]) {
    case CMD_GROUP_SIZE:
        put(3, static_cast<uint8_t>(nRecords));
        break;
    case CMD_RECORD_HEADER:
        if (record) {
            put(4, record->nMaterial);
            put(5, record->nUnit);
            put(6, record->nYear);
            put(7, record->nMonth);
            put(8, record->nDay);
            put(9, record->nProbe);
            put(10, record->nAngle);
            put(11, static_cast<uint8_t>(record->values.size()));
        }
        break;
    case CMD_RECORD_VALUES:
        if (record) {
            for (size_t k = 0; k < record->values.size(); ++k) {
                put(1 + 2 * k, record->values[k] & 0xFF);
                put(2 + 2 * k, record->values[k] >> 8);
            }
        }
        break;
    default:
        return {};  // the instrument ignores what it does not know
    }
    return reply;
}
