#include "platform/core/Streams.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream* source, std::int64_t count) {
    if (count == 0) {
        source->SetPosition(0);
        count = source->Size();
    }
    char buffer[8192];
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t chunk = std::min<std::int64_t>(static_cast<std::int64_t>(sizeof buffer), count - done);
        source->ReadBuffer(buffer, chunk);
        WriteBuffer(buffer, chunk);
        done += chunk;
    }
    return done;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    if (count <= 0 || FPosition >= Size()) return 0;
    const std::int64_t n = std::min(count, Size() - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    const std::int64_t end = FPosition + count;
    if (end > Size()) FData.resize(static_cast<std::size_t>(end), '\0');
    std::memcpy(FData.data() + FPosition, buffer, static_cast<std::size_t>(count));
    FPosition = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
        case soBeginning:
            base = 0;
            break;
        case soCurrent:
            base = FPosition;
            break;
        case soEnd:
            base = Size();
            break;
    }
    FPosition = std::max<std::int64_t>(0, base + offset);
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t newSize) {
    newSize = std::max<std::int64_t>(0, newSize);
    FData.resize(static_cast<std::size_t>(newSize), '\0');
    if (FPosition > newSize) FPosition = newSize;
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* source) {
    Clear();
    CopyFrom(source, 0);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream* dest) const {
    if (!FData.empty()) dest->WriteBuffer(FData.data(), Size());
}

TStringStream::TStringStream(std::string_view text) {
    WriteString(text);
    Seek(0, soBeginning);
}

void TStringStream::WriteString(std::string_view text) { Write(text.data(), static_cast<std::int64_t>(text.size())); }

std::string TStringStream::ReadString(std::int64_t count) {
    const std::int64_t available = std::max<std::int64_t>(0, Size() - Position());
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, available);
    std::string out(static_cast<std::size_t>(n), '\0');
    Read(out.data(), n);
    return out;
}
