#include "document/LightBlock.h"

#include "base/Archive.h"
#include "model/Auditorium.h"
#include "model/LightValues.h"
#include "model/ProjectorType.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace lumivane {

namespace {

// "LMVX" as it lies in the file.
constexpr std::uint32_t kTag = 0x58564D4Cu;
constexpr std::uint16_t kBlockVersion = 1;
constexpr std::uint16_t kRoomRecord = 1;
constexpr std::uint16_t kProjectorRecord = 2;
constexpr std::size_t kKeyedValueBytes = 2 + 8;

class DamagedBlock {};

using Value = std::optional<double>;

// The values of each record, in key order from 1.
std::array<Value*, 7> RoomValues(RoomLight& room) {
    return {&room.screenGain,    &room.portGlass,      &room.transmission3D, &room.rows.nearest,
            &room.rows.farthest, &room.rows.eyeHeight, &room.boothFloor};
}

std::array<Value*, 2> ProjectorValues(ProjectorLight& light) {
    return {&light.lumens, &light.lightFactor};
}

template <std::size_t N> void WriteKeyed(Archive& ar, const std::array<Value*, N>& values) {
    for (std::size_t i = 0; i < N; ++i) {
        if (*values[i]) {
            ar.WriteWord(static_cast<std::uint16_t>(i + 1));
            ar.WriteDouble(**values[i]);
        }
    }
}

template <std::size_t N> void ReadKeyed(Archive& ar, const std::array<Value*, N>& values) {
    if (ar.Remaining() % kKeyedValueBytes != 0) {
        throw DamagedBlock();
    }
    while (!ar.AtEnd()) {
        const std::uint16_t key = ar.ReadWord();
        const double value = ar.ReadDouble();
        if (key >= 1 && key <= N) {
            *values[key - 1] = value;
        }
    }
}

void WriteRecord(Archive& ar, std::uint16_t kind, const Archive& body) {
    ar.WriteWord(kind);
    ar.WriteDword(static_cast<std::uint32_t>(body.Bytes().size()));
    for (const std::uint8_t byte : body.Bytes()) {
        ar.WriteByte(byte);
    }
}

// The next length-prefixed run of bytes as an archive of its own.
Archive TakeBytes(Archive& ar) {
    const std::uint32_t length = ar.ReadDword();
    if (length > ar.Remaining()) {
        throw DamagedBlock();
    }
    std::vector<std::uint8_t> bytes(length);
    for (std::uint8_t& byte : bytes) {
        byte = ar.ReadByte();
    }
    return Archive::ForLoading(std::move(bytes));
}

Archive BlockRecords(const AuditoriumList& auditoriums) {
    Archive records = Archive::ForStoring();
    for (std::size_t a = 0; a < auditoriums.size(); ++a) {
        const CAuditorium& auditorium = *auditoriums[a];
        RoomLight room = auditorium.Light();
        if (room.AnySet()) {
            Archive body = Archive::ForStoring();
            body.WriteDword(static_cast<std::uint32_t>(a));
            WriteKeyed(body, RoomValues(room));
            WriteRecord(records, kRoomRecord, body);
        }
        for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
            ProjectorLight light = auditorium.GetProjector(p)->Light();
            if (light.AnySet()) {
                Archive body = Archive::ForStoring();
                body.WriteDword(static_cast<std::uint32_t>(a));
                body.WriteDword(static_cast<std::uint32_t>(p));
                WriteKeyed(body, ProjectorValues(light));
                WriteRecord(records, kProjectorRecord, body);
            }
        }
    }
    return records;
}

// What the block sets, gathered before anything is applied.
struct BlockValues {
    std::vector<RoomLight> rooms;
    std::vector<std::vector<ProjectorLight>> projectors;
};

std::size_t IndexWithin(Archive& ar, std::size_t count) {
    const std::uint32_t index = ar.ReadDword();
    if (index >= count) {
        throw DamagedBlock();
    }
    return index;
}

void ReadRecord(std::uint16_t kind, Archive& body, BlockValues& values) {
    if (kind == kRoomRecord) {
        RoomLight& room = values.rooms[IndexWithin(body, values.rooms.size())];
        ReadKeyed(body, RoomValues(room));
        if (!ValidRoomLight(room)) {
            throw DamagedBlock();
        }
    } else if (kind == kProjectorRecord) {
        auto& projectors = values.projectors[IndexWithin(body, values.projectors.size())];
        ProjectorLight& light = projectors[IndexWithin(body, projectors.size())];
        ReadKeyed(body, ProjectorValues(light));
        if (!ValidLumens(light.lumens) || !ValidLightFactor(light.lightFactor)) {
            throw DamagedBlock();
        }
    }
}

BlockValues ReadBlock(Archive& ar, const AuditoriumList& auditoriums) {
    if (ar.Remaining() < 4 || ar.ReadDword() != kTag) {
        throw DamagedBlock();
    }
    ar.ReadWord(); // a later version only adds kinds and keys
    Archive records = TakeBytes(ar);
    BlockValues values;
    for (const auto& auditorium : auditoriums) {
        values.rooms.push_back(auditorium->Light());
        values.projectors.emplace_back();
        for (int p = 0; p < auditorium->ProjectorCount(); ++p) {
            values.projectors.back().push_back(auditorium->GetProjector(p)->Light());
        }
    }
    while (!records.AtEnd()) {
        const std::uint16_t kind = records.ReadWord();
        Archive body = TakeBytes(records);
        ReadRecord(kind, body, values);
    }
    return values;
}

void WriteOptional(Archive& ar, Value value) {
    ar.WriteByte(value ? 1 : 0);
    if (value) {
        ar.WriteDouble(*value);
    }
}

Value ReadOptional(Archive& ar) {
    return ar.ReadByte() != 0 ? Value(ar.ReadDouble()) : std::nullopt;
}

} // namespace

void WriteLightBlock(Archive& ar, const AuditoriumList& auditoriums) {
    const Archive records = BlockRecords(auditoriums);
    if (records.Bytes().empty()) {
        return;
    }
    ar.WriteDword(kTag);
    ar.WriteWord(kBlockVersion);
    ar.WriteDword(static_cast<std::uint32_t>(records.Bytes().size()));
    for (const std::uint8_t byte : records.Bytes()) {
        ar.WriteByte(byte);
    }
}

LightBlockRead ReadLightBlock(Archive& ar, AuditoriumList& auditoriums) {
    if (ar.AtEnd()) {
        return LightBlockRead::None;
    }
    try {
        const BlockValues values = ReadBlock(ar, auditoriums);
        for (std::size_t a = 0; a < auditoriums.size(); ++a) {
            auditoriums[a]->SetLight(values.rooms[a]);
            for (std::size_t p = 0; p < values.projectors[a].size(); ++p) {
                auditoriums[a]
                    ->GetProjector(static_cast<int>(p))
                    ->SetLight(values.projectors[a][p]);
            }
        }
        return LightBlockRead::Read;
    } catch (const DamagedBlock&) {
        return LightBlockRead::Dropped;
    } catch (const ArchiveError&) {
        return LightBlockRead::Dropped;
    }
}

void WriteLightState(Archive& ar, const CAuditorium& auditorium) {
    RoomLight room = auditorium.Light();
    for (const Value* value : RoomValues(room)) {
        WriteOptional(ar, *value);
    }
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        ProjectorLight light = auditorium.GetProjector(p)->Light();
        for (const Value* value : ProjectorValues(light)) {
            WriteOptional(ar, *value);
        }
    }
}

void ReadLightState(Archive& ar, CAuditorium& auditorium) {
    RoomLight room;
    for (Value* value : RoomValues(room)) {
        *value = ReadOptional(ar);
    }
    auditorium.SetLight(room);
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        ProjectorLight light;
        for (Value* value : ProjectorValues(light)) {
            *value = ReadOptional(ar);
        }
        auditorium.GetProjector(p)->SetLight(light);
    }
}

} // namespace lumivane
