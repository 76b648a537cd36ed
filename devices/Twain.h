#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace turnpixa::twain {

// The part of the TWAIN protocol (1.8) that the acquisition code speaks:
// the names of the standard, with values the source manager and the
// application agree on. Strings are std::string here, and a native transfer
// hands over the packed DIB itself instead of a memory handle.

using TW_UINT16 = std::uint16_t;
using TW_UINT32 = std::uint32_t;
using TW_INT16 = std::int16_t;

constexpr TW_UINT32 DG_CONTROL = 0x0001;
constexpr TW_UINT32 DG_IMAGE = 0x0002;

constexpr TW_UINT16 DAT_CAPABILITY = 0x0001;
constexpr TW_UINT16 DAT_EVENT = 0x0002;
constexpr TW_UINT16 DAT_IDENTITY = 0x0003;
constexpr TW_UINT16 DAT_PARENT = 0x0004;
constexpr TW_UINT16 DAT_PENDINGXFERS = 0x0005;
constexpr TW_UINT16 DAT_STATUS = 0x0008;
constexpr TW_UINT16 DAT_USERINTERFACE = 0x0009;
constexpr TW_UINT16 DAT_IMAGENATIVEXFER = 0x0104;

constexpr TW_UINT16 MSG_GET = 0x0001;
constexpr TW_UINT16 MSG_SET = 0x0006;
constexpr TW_UINT16 MSG_XFERREADY = 0x0101;
constexpr TW_UINT16 MSG_CLOSEDSREQ = 0x0102;
constexpr TW_UINT16 MSG_CLOSEDSOK = 0x0103;
constexpr TW_UINT16 MSG_OPENDSM = 0x0301;
constexpr TW_UINT16 MSG_CLOSEDSM = 0x0302;
constexpr TW_UINT16 MSG_OPENDS = 0x0401;
constexpr TW_UINT16 MSG_CLOSEDS = 0x0402;
constexpr TW_UINT16 MSG_USERSELECT = 0x0403;
constexpr TW_UINT16 MSG_GETDEFAULT = 0x0404;
constexpr TW_UINT16 MSG_DISABLEDS = 0x0501;
constexpr TW_UINT16 MSG_ENABLEDS = 0x0502;
constexpr TW_UINT16 MSG_PROCESSEVENT = 0x0601;
constexpr TW_UINT16 MSG_ENDXFER = 0x0701;
constexpr TW_UINT16 MSG_NULL = 0x0000;

constexpr TW_UINT16 TWRC_SUCCESS = 0;
constexpr TW_UINT16 TWRC_FAILURE = 1;
constexpr TW_UINT16 TWRC_CANCEL = 3;
constexpr TW_UINT16 TWRC_DSEVENT = 4;
constexpr TW_UINT16 TWRC_NOTDSEVENT = 5;
constexpr TW_UINT16 TWRC_XFERDONE = 6;

constexpr TW_UINT16 TWCC_SUCCESS = 0;
constexpr TW_UINT16 TWCC_BUMMER = 1;
constexpr TW_UINT16 TWCC_LOWMEMORY = 2;
constexpr TW_UINT16 TWCC_NODS = 3;
constexpr TW_UINT16 TWCC_OPERATIONERROR = 5;
constexpr TW_UINT16 TWCC_BADCAP = 6;
constexpr TW_UINT16 TWCC_BADVALUE = 10;
constexpr TW_UINT16 TWCC_SEQERROR = 11;
constexpr TW_UINT16 TWCC_PAPERJAM = 20;

constexpr TW_UINT16 ICAP_XFERMECH = 0x0103;
constexpr TW_UINT16 TWTY_UINT16 = 0x0004;
constexpr TW_UINT16 TWSX_NATIVE = 0;
constexpr TW_UINT16 TWON_ONEVALUE = 5;

constexpr TW_UINT16 TWLG_USA = 13;
constexpr TW_UINT16 TWCY_USA = 1;

struct TW_VERSION {
    TW_UINT16 MajorNum = 0;
    TW_UINT16 MinorNum = 0;
    TW_UINT16 Language = 0;
    TW_UINT16 Country = 0;
    std::string Info;
};

struct TW_IDENTITY {
    TW_UINT32 Id = 0;
    TW_VERSION Version;
    TW_UINT16 ProtocolMajor = 0;
    TW_UINT16 ProtocolMinor = 0;
    TW_UINT32 SupportedGroups = 0;
    std::string Manufacturer;
    std::string ProductFamily;
    std::string ProductName;
};

struct TW_CAPABILITY {
    TW_UINT16 Cap = 0;
    TW_UINT16 ConType = TWON_ONEVALUE;
    TW_UINT16 ItemType = 0;
    TW_UINT32 Item = 0;
};

struct TW_USERINTERFACE {
    bool ShowUI = true;
    bool ModalUI = false;
    void* hParent = nullptr;
};

struct TW_EVENT {
    void* pEvent = nullptr;
    TW_UINT16 TWMessage = MSG_NULL;
};

struct TW_PENDINGXFERS {
    TW_INT16 Count = 0;  // -1: more, number unknown
};

struct TW_STATUS {
    TW_UINT16 ConditionCode = TWCC_SUCCESS;
    std::string Reason;  // what the layer knows beyond the code
};

struct TW_NATIVEXFER {
    std::vector<std::uint8_t> dib;  // packed device-independent bitmap
};

}  // namespace turnpixa::twain
