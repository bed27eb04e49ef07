#pragma once
// Streams: TStream (abstract byte stream with a position), TMemoryStream (a
// growable buffer) and TStringStream (a memory stream created from a text,
// whose whole content is read back with DataString).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    VN_CLASS(TStream, TObject)

public:
    // Reads up to count bytes; returns the number read.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    // Writes count bytes; returns the number written.
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Moves the position; returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;
    // Setting the size truncates or extends (with zero bytes) the content.
    virtual void SetSize(std::int64_t newSize) = 0;
    virtual std::int64_t Position() const = 0;
    void SetPosition(std::int64_t value) { Seek(value, soBeginning); }

    // Read/Write that must transfer every byte: EReadError "Stream read error",
    // EWriteError "Stream write error".
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies count bytes from source's position; count 0 copies all of source
    // from its beginning. Returns the number of bytes copied.
    std::int64_t CopyFrom(TStream* source, std::int64_t count);
};

class TMemoryStream : public TStream {
    VN_CLASS(TMemoryStream, TStream)

public:
    TMemoryStream() = default;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(FData.size()); }
    void SetSize(std::int64_t newSize) override;
    std::int64_t Position() const override { return FPosition; }

    const char* Memory() const noexcept { return FData.data(); }
    void Clear();
    void LoadFromStream(TStream* source);
    void SaveToStream(TStream* dest) const;

protected:
    const std::string& Data() const noexcept { return FData; }

private:
    std::string FData;
    std::int64_t FPosition = 0;
};

class TStringStream : public TMemoryStream {
    VN_CLASS(TStringStream, TMemoryStream)

public:
    TStringStream() = default;
    // A stream holding text, positioned at its start.
    explicit TStringStream(std::string_view text);

    // The whole content, regardless of the position.
    const std::string& DataString() const noexcept { return Data(); }
    void WriteString(std::string_view text);
    // Reads up to count bytes from the position.
    std::string ReadString(std::int64_t count);
};
