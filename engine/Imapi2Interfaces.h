// Our own declarations of the disc-mastering service (IMAPI2 and its file-system image
// part, IMAPI2FS): the interfaces, class ids, enumerations and result codes the program
// uses. Every interface lists its complete vtable in slot order, because a member out of
// place calls the wrong function on real Windows; tests/engine pins every slot.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oaidl.h>
#include <ocidl.h>

// An interface id that works with __uuidof (and so with ComPtr and IID_PPV_ARGS),
// plus the classic IID_<name> constant.
#define QUILLON_DECLARE_IID(type, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8)                                 \
    __CRT_UUID_DECL(type, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8)                                         \
    inline constexpr IID IID_##type = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}};

#define QUILLON_DECLARE_CLSID(name, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8)                               \
    inline constexpr CLSID CLSID_##name = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}};

// ---------------------------------------------------------------------------------------
// Enumerations (all 32-bit)

enum IMAPI_MEDIA_PHYSICAL_TYPE : LONG {
    IMAPI_MEDIA_TYPE_UNKNOWN = 0,
    IMAPI_MEDIA_TYPE_CDROM = 0x1,
    IMAPI_MEDIA_TYPE_CDR = 0x2,
    IMAPI_MEDIA_TYPE_CDRW = 0x3,
    IMAPI_MEDIA_TYPE_DVDROM = 0x4,
    IMAPI_MEDIA_TYPE_DVDRAM = 0x5,
    IMAPI_MEDIA_TYPE_DVDPLUSR = 0x6,
    IMAPI_MEDIA_TYPE_DVDPLUSRW = 0x7,
    IMAPI_MEDIA_TYPE_DVDPLUSR_DUALLAYER = 0x8,
    IMAPI_MEDIA_TYPE_DVDDASHR = 0x9,
    IMAPI_MEDIA_TYPE_DVDDASHRW = 0xa,
    IMAPI_MEDIA_TYPE_DVDDASHR_DUALLAYER = 0xb,
    IMAPI_MEDIA_TYPE_DISK = 0xc,
    IMAPI_MEDIA_TYPE_DVDPLUSRW_DUALLAYER = 0xd,
    IMAPI_MEDIA_TYPE_HDDVDROM = 0xe,
    IMAPI_MEDIA_TYPE_HDDVDR = 0xf,
    IMAPI_MEDIA_TYPE_HDDVDRAM = 0x10,
    IMAPI_MEDIA_TYPE_BDROM = 0x11,
    IMAPI_MEDIA_TYPE_BDR = 0x12,
    IMAPI_MEDIA_TYPE_BDRE = 0x13,
    IMAPI_MEDIA_TYPE_MAX = 0x13,
};

// A bit mask: informational bits in 0x000F, unusable states in 0xFC00.
enum IMAPI_FORMAT2_DATA_MEDIA_STATE : LONG {
    IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN = 0,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_INFORMATIONAL_MASK = 0xf,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_UNSUPPORTED_MASK = 0xfc00,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_OVERWRITE_ONLY = 0x1,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_RANDOMLY_WRITABLE = 0x1,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_BLANK = 0x2,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_APPENDABLE = 0x4,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_FINAL_SESSION = 0x8,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_DAMAGED = 0x400,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_ERASE_REQUIRED = 0x800,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_NON_EMPTY_SESSION = 0x1000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_WRITE_PROTECTED = 0x2000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_FINALIZED = 0x4000,
    IMAPI_FORMAT2_DATA_MEDIA_STATE_UNSUPPORTED_MEDIA = 0x8000,
};

enum IMAPI_FORMAT2_DATA_WRITE_ACTION : LONG {
    IMAPI_FORMAT2_DATA_WRITE_ACTION_VALIDATING_MEDIA = 0,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FORMATTING_MEDIA = 0x1,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_INITIALIZING_HARDWARE = 0x2,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_CALIBRATING_POWER = 0x3,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_WRITING_DATA = 0x4,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_FINALIZATION = 0x5,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_COMPLETED = 0x6,
    IMAPI_FORMAT2_DATA_WRITE_ACTION_VERIFYING = 0x7,
};

enum IMAPI_FORMAT2_TAO_WRITE_ACTION : LONG {
    IMAPI_FORMAT2_TAO_WRITE_ACTION_UNKNOWN = 0,
    IMAPI_FORMAT2_TAO_WRITE_ACTION_PREPARING = 0x1,
    IMAPI_FORMAT2_TAO_WRITE_ACTION_WRITING = 0x2,
    IMAPI_FORMAT2_TAO_WRITE_ACTION_FINISHING = 0x3,
    IMAPI_FORMAT2_TAO_WRITE_ACTION_VERIFYING = 0x4,
};

enum IMAPI_FORMAT2_RAW_CD_WRITE_ACTION : LONG {
    IMAPI_FORMAT2_RAW_CD_WRITE_ACTION_UNKNOWN = 0,
    IMAPI_FORMAT2_RAW_CD_WRITE_ACTION_PREPARING = 0x1,
    IMAPI_FORMAT2_RAW_CD_WRITE_ACTION_WRITING = 0x2,
    IMAPI_FORMAT2_RAW_CD_WRITE_ACTION_FINISHING = 0x3,
};

enum IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE : LONG {
    IMAPI_FORMAT2_RAW_CD_SUBCODE_PQ_ONLY = 0x1,
    IMAPI_FORMAT2_RAW_CD_SUBCODE_IS_COOKED = 0x2,
    IMAPI_FORMAT2_RAW_CD_SUBCODE_IS_RAW = 0x3,
};

enum IMAPI_MEDIA_WRITE_PROTECT_STATE : LONG {
    IMAPI_WRITEPROTECTED_UNTIL_POWERDOWN = 0x1,
    IMAPI_WRITEPROTECTED_BY_CARTRIDGE = 0x2,
    IMAPI_WRITEPROTECTED_BY_MEDIA_SPECIFIC_REASON = 0x4,
    IMAPI_WRITEPROTECTED_BY_SOFTWARE_WRITE_PROTECT = 0x8,
    IMAPI_WRITEPROTECTED_BY_DISC_CONTROL_BLOCK = 0x10,
    IMAPI_WRITEPROTECTED_READ_ONLY_MEDIA = 0x4000,
};

// A bit mask.
enum FsiFileSystems : LONG {
    FsiFileSystemNone = 0,
    FsiFileSystemISO9660 = 1,
    FsiFileSystemJoliet = 2,
    FsiFileSystemUDF = 4,
    FsiFileSystemUnknown = 0x40000000,
};

enum FsiItemType : LONG {
    FsiItemNotFound = 0,
    FsiItemDirectory = 1,
    FsiItemFile = 2,
};

// Sector size and the sectors per second of 1x, the unit of every write speed.
inline constexpr LONG IMAPI_SECTOR_SIZE = 2048;
inline constexpr LONG IMAPI_SECTORS_PER_SECOND_CD = 75;
inline constexpr LONG IMAPI_SECTORS_PER_SECOND_DVD = 680;
inline constexpr LONG IMAPI_SECTORS_PER_SECOND_BD = 2195;
inline constexpr LONG IMAPI_SECTORS_PER_SECOND_HDDVD = 4568;

// Dispatch id of every event interface's Update method.
inline constexpr DISPID DISPID_DDISCFORMAT2EVENTS_UPDATE = 0x200;

// ---------------------------------------------------------------------------------------
// Interfaces. The trailing comment of each member is its absolute vtable slot.

struct IBootOptions;
struct IEnumFsiItems;
struct IProgressItems;
struct IFsiItem;
struct IFsiDirectoryItem;
struct IFsiFileItem;
struct IFileSystemImageResult;

// IID 27354130-7F64-5B0F-8F00-5D77AFBE261E
struct IDiscMaster2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** ppunk) = 0;              // 7
    virtual HRESULT STDMETHODCALLTYPE get_Item(LONG index, BSTR* value) = 0;               // 8
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* value) = 0;                          // 9
    virtual HRESULT STDMETHODCALLTYPE get_IsSupportedEnvironment(VARIANT_BOOL* value) = 0; // 10
};
QUILLON_DECLARE_IID(IDiscMaster2, 0x27354130, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E)

// IID 27354133-7F64-5B0F-8F00-5D77AFBE261E
struct IDiscRecorder2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE EjectMedia() = 0;                                                // 7
    virtual HRESULT STDMETHODCALLTYPE CloseTray() = 0;                                                 // 8
    virtual HRESULT STDMETHODCALLTYPE AcquireExclusiveAccess(VARIANT_BOOL force, BSTR clientName) = 0; // 9
    virtual HRESULT STDMETHODCALLTYPE ReleaseExclusiveAccess() = 0;                                    // 10
    virtual HRESULT STDMETHODCALLTYPE DisableMcn() = 0;                                                // 11
    virtual HRESULT STDMETHODCALLTYPE EnableMcn() = 0;                                                 // 12
    virtual HRESULT STDMETHODCALLTYPE InitializeDiscRecorder(BSTR recorderUniqueId) = 0;               // 13
    virtual HRESULT STDMETHODCALLTYPE get_ActiveDiscRecorder(BSTR* value) = 0;                         // 14
    virtual HRESULT STDMETHODCALLTYPE get_VendorId(BSTR* value) = 0;                                   // 15
    virtual HRESULT STDMETHODCALLTYPE get_ProductId(BSTR* value) = 0;                                  // 16
    virtual HRESULT STDMETHODCALLTYPE get_ProductRevision(BSTR* value) = 0;                            // 17
    virtual HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR* value) = 0;                                 // 18
    virtual HRESULT STDMETHODCALLTYPE get_VolumePathNames(SAFEARRAY** value) = 0;                      // 19
    virtual HRESULT STDMETHODCALLTYPE get_DeviceCanLoadMedia(VARIANT_BOOL* value) = 0;                 // 20
    virtual HRESULT STDMETHODCALLTYPE get_LegacyDeviceNumber(LONG* legacyDeviceNumber) = 0;            // 21
    virtual HRESULT STDMETHODCALLTYPE get_SupportedFeaturePages(SAFEARRAY** value) = 0;                // 22
    virtual HRESULT STDMETHODCALLTYPE get_CurrentFeaturePages(SAFEARRAY** value) = 0;                  // 23
    virtual HRESULT STDMETHODCALLTYPE get_SupportedProfiles(SAFEARRAY** value) = 0;                    // 24
    virtual HRESULT STDMETHODCALLTYPE get_CurrentProfiles(SAFEARRAY** value) = 0;                      // 25
    virtual HRESULT STDMETHODCALLTYPE get_SupportedModePages(SAFEARRAY** value) = 0;                   // 26
    virtual HRESULT STDMETHODCALLTYPE get_ExclusiveAccessOwner(BSTR* value) = 0;                       // 27
};
QUILLON_DECLARE_IID(IDiscRecorder2, 0x27354133, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                    0x1E)

// IID 27354152-8F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2* recorder,
                                                          VARIANT_BOOL* value) = 0; // 7
    virtual HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2* recorder,
                                                              VARIANT_BOOL* value) = 0;     // 8
    virtual HRESULT STDMETHODCALLTYPE get_MediaPhysicallyBlank(VARIANT_BOOL* value) = 0;    // 9
    virtual HRESULT STDMETHODCALLTYPE get_MediaHeuristicallyBlank(VARIANT_BOOL* value) = 0; // 10
    virtual HRESULT STDMETHODCALLTYPE get_SupportedMediaTypes(SAFEARRAY** value) = 0;       // 11
};
QUILLON_DECLARE_IID(IDiscFormat2, 0x27354152, 0x8F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E)

// IID 27354153-9F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2Data : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2* value) = 0;                           // 12
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2** value) = 0;                          // 13
    virtual HRESULT STDMETHODCALLTYPE put_BufferUnderrunFreeDisabled(VARIANT_BOOL value) = 0;            // 14
    virtual HRESULT STDMETHODCALLTYPE get_BufferUnderrunFreeDisabled(VARIANT_BOOL* value) = 0;           // 15
    virtual HRESULT STDMETHODCALLTYPE put_PostgapAlreadyInImage(VARIANT_BOOL value) = 0;                 // 16
    virtual HRESULT STDMETHODCALLTYPE get_PostgapAlreadyInImage(VARIANT_BOOL* value) = 0;                // 17
    virtual HRESULT STDMETHODCALLTYPE get_CurrentMediaStatus(IMAPI_FORMAT2_DATA_MEDIA_STATE* value) = 0; // 18
    virtual HRESULT STDMETHODCALLTYPE
    get_WriteProtectStatus(IMAPI_MEDIA_WRITE_PROTECT_STATE* value) = 0;                                 // 19
    virtual HRESULT STDMETHODCALLTYPE get_TotalSectorsOnMedia(LONG* value) = 0;                         // 20
    virtual HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG* value) = 0;                          // 21
    virtual HRESULT STDMETHODCALLTYPE get_NextWritableAddress(LONG* value) = 0;                         // 22
    virtual HRESULT STDMETHODCALLTYPE get_StartAddressOfPreviousSession(LONG* value) = 0;               // 23
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenAddressOfPreviousSession(LONG* value) = 0;         // 24
    virtual HRESULT STDMETHODCALLTYPE put_ForceMediaToBeClosed(VARIANT_BOOL value) = 0;                 // 25
    virtual HRESULT STDMETHODCALLTYPE get_ForceMediaToBeClosed(VARIANT_BOOL* value) = 0;                // 26
    virtual HRESULT STDMETHODCALLTYPE put_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL value) = 0;  // 27
    virtual HRESULT STDMETHODCALLTYPE get_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL* value) = 0; // 28
    virtual HRESULT STDMETHODCALLTYPE
    get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0;                            // 29
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;                              // 30
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR* value) = 0;                             // 31
    virtual HRESULT STDMETHODCALLTYPE get_RequestedWriteSpeed(LONG* value) = 0;                    // 32
    virtual HRESULT STDMETHODCALLTYPE get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0; // 33
    virtual HRESULT STDMETHODCALLTYPE get_CurrentWriteSpeed(LONG* value) = 0;                      // 34
    virtual HRESULT STDMETHODCALLTYPE get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;   // 35
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeeds(SAFEARRAY** supportedSpeeds) = 0;   // 36
    virtual HRESULT STDMETHODCALLTYPE
    get_SupportedWriteSpeedDescriptors(SAFEARRAY** supportedSpeedDescriptors) = 0;       // 37
    virtual HRESULT STDMETHODCALLTYPE put_ForceOverwrite(VARIANT_BOOL value) = 0;        // 38
    virtual HRESULT STDMETHODCALLTYPE get_ForceOverwrite(VARIANT_BOOL* value) = 0;       // 39
    virtual HRESULT STDMETHODCALLTYPE get_MultisessionInterfaces(SAFEARRAY** value) = 0; // 40
    virtual HRESULT STDMETHODCALLTYPE Write(IStream* data) = 0;                          // 41
    virtual HRESULT STDMETHODCALLTYPE CancelWrite() = 0;                                 // 42
    virtual HRESULT STDMETHODCALLTYPE SetWriteSpeed(LONG RequestedSectorsPerSecond,
                                                    VARIANT_BOOL RotationTypeIsPureCAV) = 0; // 43
};
QUILLON_DECLARE_IID(IDiscFormat2Data, 0x27354153, 0x9F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                    0x1E)

// IID 27354156-8F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2Erase : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2* value) = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2** value) = 0; // 13
    virtual HRESULT STDMETHODCALLTYPE put_FullErase(VARIANT_BOOL value) = 0;    // 14
    virtual HRESULT STDMETHODCALLTYPE get_FullErase(VARIANT_BOOL* value) = 0;   // 15
    virtual HRESULT STDMETHODCALLTYPE
    get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0; // 16
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;   // 17
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR* value) = 0;  // 18
    virtual HRESULT STDMETHODCALLTYPE EraseMedia() = 0;                 // 19
};
QUILLON_DECLARE_IID(IDiscFormat2Erase, 0x27354156, 0x8F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                    0x1E)

// IID 27354154-8F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2TrackAtOnce : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE PrepareMedia() = 0;               // 12
    virtual HRESULT STDMETHODCALLTYPE AddAudioTrack(IStream* data) = 0; // 13
    virtual HRESULT STDMETHODCALLTYPE CancelAddTrack() = 0;             // 14
    virtual HRESULT STDMETHODCALLTYPE ReleaseMedia() = 0;               // 15
    virtual HRESULT STDMETHODCALLTYPE SetWriteSpeed(LONG RequestedSectorsPerSecond,
                                                    VARIANT_BOOL RotationTypeIsPureCAV) = 0;   // 16
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2* value) = 0;                 // 17
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2** value) = 0;                // 18
    virtual HRESULT STDMETHODCALLTYPE put_BufferUnderrunFreeDisabled(VARIANT_BOOL value) = 0;  // 19
    virtual HRESULT STDMETHODCALLTYPE get_BufferUnderrunFreeDisabled(VARIANT_BOOL* value) = 0; // 20
    virtual HRESULT STDMETHODCALLTYPE get_NumberOfExistingTracks(LONG* value) = 0;             // 21
    virtual HRESULT STDMETHODCALLTYPE get_TotalSectorsOnMedia(LONG* value) = 0;                // 22
    virtual HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG* value) = 0;                 // 23
    virtual HRESULT STDMETHODCALLTYPE get_UsedSectorsOnMedia(LONG* value) = 0;                 // 24
    virtual HRESULT STDMETHODCALLTYPE put_DoNotFinalizeMedia(VARIANT_BOOL value) = 0;          // 25
    virtual HRESULT STDMETHODCALLTYPE get_DoNotFinalizeMedia(VARIANT_BOOL* value) = 0;         // 26
    virtual HRESULT STDMETHODCALLTYPE get_ExpectedTableOfContents(SAFEARRAY** value) = 0;      // 27
    virtual HRESULT STDMETHODCALLTYPE
    get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0;                            // 28
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;                              // 29
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR* value) = 0;                             // 30
    virtual HRESULT STDMETHODCALLTYPE get_RequestedWriteSpeed(LONG* value) = 0;                    // 31
    virtual HRESULT STDMETHODCALLTYPE get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0; // 32
    virtual HRESULT STDMETHODCALLTYPE get_CurrentWriteSpeed(LONG* value) = 0;                      // 33
    virtual HRESULT STDMETHODCALLTYPE get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;   // 34
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeeds(SAFEARRAY** supportedSpeeds) = 0;   // 35
    virtual HRESULT STDMETHODCALLTYPE
    get_SupportedWriteSpeedDescriptors(SAFEARRAY** supportedSpeedDescriptors) = 0; // 36
};
QUILLON_DECLARE_IID(IDiscFormat2TrackAtOnce, 0x27354154, 0x8F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 27354155-8F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2RawCD : public IDiscFormat2 {
    virtual HRESULT STDMETHODCALLTYPE PrepareMedia() = 0;                                       // 12
    virtual HRESULT STDMETHODCALLTYPE WriteMedia(IStream* data) = 0;                            // 13
    virtual HRESULT STDMETHODCALLTYPE WriteMedia2(IStream* data, LONG streamLeadInSectors) = 0; // 14
    virtual HRESULT STDMETHODCALLTYPE CancelWrite() = 0;                                        // 15
    virtual HRESULT STDMETHODCALLTYPE ReleaseMedia() = 0;                                       // 16
    virtual HRESULT STDMETHODCALLTYPE SetWriteSpeed(LONG RequestedSectorsPerSecond,
                                                    VARIANT_BOOL RotationTypeIsPureCAV) = 0;   // 17
    virtual HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2* value) = 0;                 // 18
    virtual HRESULT STDMETHODCALLTYPE get_Recorder(IDiscRecorder2** value) = 0;                // 19
    virtual HRESULT STDMETHODCALLTYPE put_BufferUnderrunFreeDisabled(VARIANT_BOOL value) = 0;  // 20
    virtual HRESULT STDMETHODCALLTYPE get_BufferUnderrunFreeDisabled(VARIANT_BOOL* value) = 0; // 21
    virtual HRESULT STDMETHODCALLTYPE get_StartOfNextSession(LONG* value) = 0;                 // 22
    virtual HRESULT STDMETHODCALLTYPE get_LastPossibleStartOfLeadout(LONG* value) = 0;         // 23
    virtual HRESULT STDMETHODCALLTYPE
    get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0;                // 24
    virtual HRESULT STDMETHODCALLTYPE get_SupportedSectorTypes(SAFEARRAY** value) = 0; // 25
    virtual HRESULT STDMETHODCALLTYPE
    put_RequestedSectorType(IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE value) = 0; // 26
    virtual HRESULT STDMETHODCALLTYPE
    get_RequestedSectorType(IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE* value) = 0;                     // 27
    virtual HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) = 0;                              // 28
    virtual HRESULT STDMETHODCALLTYPE get_ClientName(BSTR* value) = 0;                             // 29
    virtual HRESULT STDMETHODCALLTYPE get_RequestedWriteSpeed(LONG* value) = 0;                    // 30
    virtual HRESULT STDMETHODCALLTYPE get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0; // 31
    virtual HRESULT STDMETHODCALLTYPE get_CurrentWriteSpeed(LONG* value) = 0;                      // 32
    virtual HRESULT STDMETHODCALLTYPE get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;   // 33
    virtual HRESULT STDMETHODCALLTYPE get_SupportedWriteSpeeds(SAFEARRAY** supportedSpeeds) = 0;   // 34
    virtual HRESULT STDMETHODCALLTYPE
    get_SupportedWriteSpeedDescriptors(SAFEARRAY** supportedSpeedDescriptors) = 0; // 35
};
QUILLON_DECLARE_IID(IDiscFormat2RawCD, 0x27354155, 0x8F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                    0x1E)

// IID 27354150-7F64-5B0F-8F00-5D77AFBE261E
struct IMultisession : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_IsSupportedOnCurrentMediaState(VARIANT_BOOL* value) = 0; // 7
    virtual HRESULT STDMETHODCALLTYPE put_InUse(VARIANT_BOOL value) = 0;                           // 8
    virtual HRESULT STDMETHODCALLTYPE get_InUse(VARIANT_BOOL* value) = 0;                          // 9
    virtual HRESULT STDMETHODCALLTYPE get_ImportRecorder(IDiscRecorder2** value) = 0;              // 10
};
QUILLON_DECLARE_IID(IMultisession, 0x27354150, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26, 0x1E)

// IID 27354151-7F64-5B0F-8F00-5D77AFBE261E
struct IMultisessionSequential : public IMultisession {
    virtual HRESULT STDMETHODCALLTYPE get_IsFirstDataSession(VARIANT_BOOL* value) = 0;          // 11
    virtual HRESULT STDMETHODCALLTYPE get_StartAddressOfPreviousSession(LONG* value) = 0;       // 12
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenAddressOfPreviousSession(LONG* value) = 0; // 13
    virtual HRESULT STDMETHODCALLTYPE get_NextWritableAddress(LONG* value) = 0;                 // 14
    virtual HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG* value) = 0;                  // 15
};
QUILLON_DECLARE_IID(IMultisessionSequential, 0x27354151, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID B507CA22-2204-11DD-966A-001AA01BBC58
struct IMultisessionSequential2 : public IMultisessionSequential {
    virtual HRESULT STDMETHODCALLTYPE get_WriteUnitSize(LONG* value) = 0; // 16
};
QUILLON_DECLARE_IID(IMultisessionSequential2, 0xB507CA22, 0x2204, 0x11DD, 0x96, 0x6A, 0x00, 0x1A, 0xA0, 0x1B,
                    0xBC, 0x58)

// IID 27354144-7F64-5B0F-8F00-5D77AFBE261E
struct IWriteSpeedDescriptor : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_MediaType(IMAPI_MEDIA_PHYSICAL_TYPE* value) = 0; // 7
    virtual HRESULT STDMETHODCALLTYPE get_RotationTypeIsPureCAV(VARIANT_BOOL* value) = 0;  // 8
    virtual HRESULT STDMETHODCALLTYPE get_WriteSpeed(LONG* value) = 0;                     // 9
};
QUILLON_DECLARE_IID(IWriteSpeedDescriptor, 0x27354144, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 2C941FE1-975B-59BE-A960-9A2A262853A5
struct IFileSystemImage : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Root(IFsiDirectoryItem** pVal) = 0;                        // 7
    virtual HRESULT STDMETHODCALLTYPE get_SessionStartBlock(LONG* pVal) = 0;                         // 8
    virtual HRESULT STDMETHODCALLTYPE put_SessionStartBlock(LONG newVal) = 0;                        // 9
    virtual HRESULT STDMETHODCALLTYPE get_FreeMediaBlocks(LONG* pVal) = 0;                           // 10
    virtual HRESULT STDMETHODCALLTYPE put_FreeMediaBlocks(LONG newVal) = 0;                          // 11
    virtual HRESULT STDMETHODCALLTYPE SetMaxMediaBlocksFromDevice(IDiscRecorder2* discRecorder) = 0; // 12
    virtual HRESULT STDMETHODCALLTYPE get_UsedBlocks(LONG* pVal) = 0;                                // 13
    virtual HRESULT STDMETHODCALLTYPE get_VolumeName(BSTR* pVal) = 0;                                // 14
    virtual HRESULT STDMETHODCALLTYPE put_VolumeName(BSTR newVal) = 0;                               // 15
    virtual HRESULT STDMETHODCALLTYPE get_ImportedVolumeName(BSTR* pVal) = 0;                        // 16
    virtual HRESULT STDMETHODCALLTYPE get_BootImageOptions(IBootOptions** pVal) = 0;                 // 17
    virtual HRESULT STDMETHODCALLTYPE put_BootImageOptions(IBootOptions* newVal) = 0;                // 18
    virtual HRESULT STDMETHODCALLTYPE get_FileCount(LONG* pVal) = 0;                                 // 19
    virtual HRESULT STDMETHODCALLTYPE get_DirectoryCount(LONG* pVal) = 0;                            // 20
    virtual HRESULT STDMETHODCALLTYPE get_WorkingDirectory(BSTR* pVal) = 0;                          // 21
    virtual HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR newVal) = 0;                         // 22
    virtual HRESULT STDMETHODCALLTYPE get_ChangePoint(LONG* pVal) = 0;                               // 23
    virtual HRESULT STDMETHODCALLTYPE get_StrictFileSystemCompliance(VARIANT_BOOL* pVal) = 0;        // 24
    virtual HRESULT STDMETHODCALLTYPE put_StrictFileSystemCompliance(VARIANT_BOOL newVal) = 0;       // 25
    virtual HRESULT STDMETHODCALLTYPE get_UseRestrictedCharacterSet(VARIANT_BOOL* pVal) = 0;         // 26
    virtual HRESULT STDMETHODCALLTYPE put_UseRestrictedCharacterSet(VARIANT_BOOL newVal) = 0;        // 27
    virtual HRESULT STDMETHODCALLTYPE get_FileSystemsToCreate(FsiFileSystems* pVal) = 0;             // 28
    virtual HRESULT STDMETHODCALLTYPE put_FileSystemsToCreate(FsiFileSystems newVal) = 0;            // 29
    virtual HRESULT STDMETHODCALLTYPE get_FileSystemsSupported(FsiFileSystems* pVal) = 0;            // 30
    virtual HRESULT STDMETHODCALLTYPE put_UDFRevision(LONG newVal) = 0;                              // 31
    virtual HRESULT STDMETHODCALLTYPE get_UDFRevision(LONG* pVal) = 0;                               // 32
    virtual HRESULT STDMETHODCALLTYPE get_UDFRevisionsSupported(SAFEARRAY** pVal) = 0;               // 33
    virtual HRESULT STDMETHODCALLTYPE ChooseImageDefaults(IDiscRecorder2* discRecorder) = 0;         // 34
    virtual HRESULT STDMETHODCALLTYPE
    ChooseImageDefaultsForMediaType(IMAPI_MEDIA_PHYSICAL_TYPE value) = 0;                           // 35
    virtual HRESULT STDMETHODCALLTYPE put_ISO9660InterchangeLevel(LONG newVal) = 0;                 // 36
    virtual HRESULT STDMETHODCALLTYPE get_ISO9660InterchangeLevel(LONG* pVal) = 0;                  // 37
    virtual HRESULT STDMETHODCALLTYPE get_ISO9660InterchangeLevelsSupported(SAFEARRAY** pVal) = 0;  // 38
    virtual HRESULT STDMETHODCALLTYPE CreateResultImage(IFileSystemImageResult** resultStream) = 0; // 39
    virtual HRESULT STDMETHODCALLTYPE Exists(BSTR fullPath, FsiItemType* itemType) = 0;             // 40
    virtual HRESULT STDMETHODCALLTYPE CalculateDiscIdentifier(BSTR* discIdentifier) = 0;            // 41
    virtual HRESULT STDMETHODCALLTYPE IdentifyFileSystemsOnDisc(IDiscRecorder2* discRecorder,
                                                                FsiFileSystems* fileSystems) = 0; // 42
    virtual HRESULT STDMETHODCALLTYPE GetDefaultFileSystemForImport(FsiFileSystems fileSystems,
                                                                    FsiFileSystems* importDefault) = 0; // 43
    virtual HRESULT STDMETHODCALLTYPE ImportFileSystem(FsiFileSystems* importedFileSystem) = 0;         // 44
    virtual HRESULT STDMETHODCALLTYPE ImportSpecificFileSystem(FsiFileSystems fileSystemToUse) = 0;     // 45
    virtual HRESULT STDMETHODCALLTYPE RollbackToChangePoint(LONG changePoint) = 0;                      // 46
    virtual HRESULT STDMETHODCALLTYPE LockInChangePoint() = 0;                                          // 47
    virtual HRESULT STDMETHODCALLTYPE CreateDirectoryItem(BSTR name, IFsiDirectoryItem** newItem) = 0;  // 48
    virtual HRESULT STDMETHODCALLTYPE CreateFileItem(BSTR name, IFsiFileItem** newItem) = 0;            // 49
    virtual HRESULT STDMETHODCALLTYPE get_VolumeNameUDF(BSTR* pVal) = 0;                                // 50
    virtual HRESULT STDMETHODCALLTYPE get_VolumeNameJoliet(BSTR* pVal) = 0;                             // 51
    virtual HRESULT STDMETHODCALLTYPE get_VolumeNameISO9660(BSTR* pVal) = 0;                            // 52
    virtual HRESULT STDMETHODCALLTYPE get_StageFiles(VARIANT_BOOL* pVal) = 0;                           // 53
    virtual HRESULT STDMETHODCALLTYPE put_StageFiles(VARIANT_BOOL newVal) = 0;                          // 54
    virtual HRESULT STDMETHODCALLTYPE get_MultisessionInterfaces(SAFEARRAY** pVal) = 0;                 // 55
    virtual HRESULT STDMETHODCALLTYPE put_MultisessionInterfaces(SAFEARRAY* newVal) = 0;                // 56
};
QUILLON_DECLARE_IID(IFileSystemImage, 0x2C941FE1, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53,
                    0xA5)

// IID 2C941FD9-975B-59BE-A960-9A2A262853A5
struct IFsiItem : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* pVal) = 0;                                  // 7
    virtual HRESULT STDMETHODCALLTYPE get_FullPath(BSTR* pVal) = 0;                              // 8
    virtual HRESULT STDMETHODCALLTYPE get_CreationTime(DATE* pVal) = 0;                          // 9
    virtual HRESULT STDMETHODCALLTYPE put_CreationTime(DATE newVal) = 0;                         // 10
    virtual HRESULT STDMETHODCALLTYPE get_LastAccessedTime(DATE* pVal) = 0;                      // 11
    virtual HRESULT STDMETHODCALLTYPE put_LastAccessedTime(DATE newVal) = 0;                     // 12
    virtual HRESULT STDMETHODCALLTYPE get_LastModifiedTime(DATE* pVal) = 0;                      // 13
    virtual HRESULT STDMETHODCALLTYPE put_LastModifiedTime(DATE newVal) = 0;                     // 14
    virtual HRESULT STDMETHODCALLTYPE get_IsHidden(VARIANT_BOOL* pVal) = 0;                      // 15
    virtual HRESULT STDMETHODCALLTYPE put_IsHidden(VARIANT_BOOL newVal) = 0;                     // 16
    virtual HRESULT STDMETHODCALLTYPE FileSystemName(FsiFileSystems fileSystem, BSTR* pVal) = 0; // 17
    virtual HRESULT STDMETHODCALLTYPE FileSystemPath(FsiFileSystems fileSystem, BSTR* pVal) = 0; // 18
};
QUILLON_DECLARE_IID(IFsiItem, 0x2C941FD9, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53, 0xA5)

// IID 2C941FDC-975B-59BE-A960-9A2A262853A5
struct IFsiDirectoryItem : public IFsiItem {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IEnumVARIANT** NewEnum) = 0;      // 19
    virtual HRESULT STDMETHODCALLTYPE get_Item(BSTR path, IFsiItem** item) = 0;      // 20
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* Count) = 0;                    // 21
    virtual HRESULT STDMETHODCALLTYPE get_EnumFsiItems(IEnumFsiItems** NewEnum) = 0; // 22
    virtual HRESULT STDMETHODCALLTYPE AddDirectory(BSTR path) = 0;                   // 23
    virtual HRESULT STDMETHODCALLTYPE AddFile(BSTR path, IStream* fileData) = 0;     // 24
    virtual HRESULT STDMETHODCALLTYPE AddTree(BSTR sourceDirectory,
                                              VARIANT_BOOL includeBaseDirectory) = 0; // 25
    virtual HRESULT STDMETHODCALLTYPE Add(IFsiItem* item) = 0;                        // 26
    virtual HRESULT STDMETHODCALLTYPE Remove(BSTR path) = 0;                          // 27
    virtual HRESULT STDMETHODCALLTYPE RemoveTree(BSTR path) = 0;                      // 28
};
QUILLON_DECLARE_IID(IFsiDirectoryItem, 0x2C941FDC, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53,
                    0xA5)

// IID 2C941FDB-975B-59BE-A960-9A2A262853A5
struct IFsiFileItem : public IFsiItem {
    virtual HRESULT STDMETHODCALLTYPE get_DataSize(LONGLONG* pVal) = 0;      // 19
    virtual HRESULT STDMETHODCALLTYPE get_DataSize32BitLow(LONG* pVal) = 0;  // 20
    virtual HRESULT STDMETHODCALLTYPE get_DataSize32BitHigh(LONG* pVal) = 0; // 21
    virtual HRESULT STDMETHODCALLTYPE get_Data(IStream** pVal) = 0;          // 22
    virtual HRESULT STDMETHODCALLTYPE put_Data(IStream* newVal) = 0;         // 23
};
QUILLON_DECLARE_IID(IFsiFileItem, 0x2C941FDB, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53, 0xA5)

// IID 2C941FD8-975B-59BE-A960-9A2A262853A5
struct IFileSystemImageResult : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_ImageStream(IStream** pVal) = 0;          // 7
    virtual HRESULT STDMETHODCALLTYPE get_ProgressItems(IProgressItems** pVal) = 0; // 8
    virtual HRESULT STDMETHODCALLTYPE get_TotalBlocks(LONG* pVal) = 0;              // 9
    virtual HRESULT STDMETHODCALLTYPE get_BlockSize(LONG* pVal) = 0;                // 10
    virtual HRESULT STDMETHODCALLTYPE get_DiscId(BSTR* pVal) = 0;                   // 11
};
QUILLON_DECLARE_IID(IFileSystemImageResult, 0x2C941FD8, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28,
                    0x53, 0xA5)

// IID 2735413C-7F64-5B0F-8F00-5D77AFBE261E
struct DDiscFormat2DataEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch* object, IDispatch* progress) = 0; // 7
};
QUILLON_DECLARE_IID(DDiscFormat2DataEvents, 0x2735413C, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 2735413A-7F64-5B0F-8F00-5D77AFBE261E
struct DDiscFormat2EraseEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch* object, LONG elapsedSeconds,
                                             LONG estimatedTotalSeconds) = 0; // 7
};
QUILLON_DECLARE_IID(DDiscFormat2EraseEvents, 0x2735413A, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 27354142-7F64-5B0F-8F00-5D77AFBE261E
struct DDiscFormat2RawCDEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch* object, IDispatch* progress) = 0; // 7
};
QUILLON_DECLARE_IID(DDiscFormat2RawCDEvents, 0x27354142, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 2735413F-7F64-5B0F-8F00-5D77AFBE261E
struct DDiscFormat2TrackAtOnceEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Update(IDispatch* object, IDispatch* progress) = 0; // 7
};
QUILLON_DECLARE_IID(DDiscFormat2TrackAtOnceEvents, 0x2735413F, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF,
                    0xBE, 0x26, 0x1E)

// IID 27354136-7F64-5B0F-8F00-5D77AFBE261E
struct IWriteEngine2EventArgs : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_StartLba(LONG* value) = 0;          // 7
    virtual HRESULT STDMETHODCALLTYPE get_SectorCount(LONG* value) = 0;       // 8
    virtual HRESULT STDMETHODCALLTYPE get_LastReadLba(LONG* value) = 0;       // 9
    virtual HRESULT STDMETHODCALLTYPE get_LastWrittenLba(LONG* value) = 0;    // 10
    virtual HRESULT STDMETHODCALLTYPE get_TotalSystemBuffer(LONG* value) = 0; // 11
    virtual HRESULT STDMETHODCALLTYPE get_UsedSystemBuffer(LONG* value) = 0;  // 12
    virtual HRESULT STDMETHODCALLTYPE get_FreeSystemBuffer(LONG* value) = 0;  // 13
};
QUILLON_DECLARE_IID(IWriteEngine2EventArgs, 0x27354136, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 2735413D-7F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2DataEventArgs : public IWriteEngine2EventArgs {
    virtual HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG* value) = 0;                              // 14
    virtual HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG* value) = 0;                            // 15
    virtual HRESULT STDMETHODCALLTYPE get_TotalTime(LONG* value) = 0;                                // 16
    virtual HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_DATA_WRITE_ACTION* value) = 0; // 17
};
QUILLON_DECLARE_IID(IDiscFormat2DataEventArgs, 0x2735413D, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                    0x26, 0x1E)

// IID 27354140-7F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2TrackAtOnceEventArgs : public IWriteEngine2EventArgs {
    virtual HRESULT STDMETHODCALLTYPE get_CurrentTrackNumber(LONG* value) = 0;                      // 14
    virtual HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_TAO_WRITE_ACTION* value) = 0; // 15
    virtual HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG* value) = 0;                             // 16
    virtual HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG* value) = 0;                           // 17
};
QUILLON_DECLARE_IID(IDiscFormat2TrackAtOnceEventArgs, 0x27354140, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77,
                    0xAF, 0xBE, 0x26, 0x1E)

// IID 27354143-7F64-5B0F-8F00-5D77AFBE261E
struct IDiscFormat2RawCDEventArgs : public IWriteEngine2EventArgs {
    virtual HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_RAW_CD_WRITE_ACTION* value) = 0; // 14
    virtual HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG* value) = 0;                                // 15
    virtual HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG* value) = 0;                              // 16
};
QUILLON_DECLARE_IID(IDiscFormat2RawCDEventArgs, 0x27354143, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF,
                    0xBE, 0x26, 0x1E)

// ---------------------------------------------------------------------------------------
// Classes. Every one is created with CoCreateInstance and class context 0x17.

QUILLON_DECLARE_CLSID(MsftDiscMaster2, 0x2735412E, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                      0x1E)
QUILLON_DECLARE_CLSID(MsftDiscRecorder2, 0x2735412D, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE, 0x26,
                      0x1E)
QUILLON_DECLARE_CLSID(MsftDiscFormat2Data, 0x2735412A, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                      0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftDiscFormat2Erase, 0x2735412B, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                      0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftDiscFormat2TrackAtOnce, 0x27354129, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF,
                      0xBE, 0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftDiscFormat2RawCD, 0x27354128, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF, 0xBE,
                      0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftMultisessionSequential, 0x27354122, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF,
                      0xBE, 0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftWriteSpeedDescriptor, 0x27354123, 0x7F64, 0x5B0F, 0x8F, 0x00, 0x5D, 0x77, 0xAF,
                      0xBE, 0x26, 0x1E)
QUILLON_DECLARE_CLSID(MsftFileSystemImage, 0x2C941FC5, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28,
                      0x53, 0xA5)
QUILLON_DECLARE_CLSID(FsiDirectoryItem, 0x2C941FC8, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53,
                      0xA5)
QUILLON_DECLARE_CLSID(FsiFileItem, 0x2C941FC7, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28, 0x53, 0xA5)
QUILLON_DECLARE_CLSID(FileSystemImageResult, 0x2C941FCC, 0x975B, 0x59BE, 0xA9, 0x60, 0x9A, 0x2A, 0x26, 0x28,
                      0x53, 0xA5)

inline constexpr DWORD IMAPI_CLASS_CONTEXT = 0x17; // CLSCTX_ALL

// ---------------------------------------------------------------------------------------
// Result codes

inline constexpr HRESULT E_IMAPI_REQUEST_CANCELLED =
    static_cast<HRESULT>(0xC0AA0002); // operation cancelled (CancelWrite etc.)
inline constexpr HRESULT E_IMAPI_RECORDER_REQUIRED =
    static_cast<HRESULT>(0xC0AA0003); // no recorder set on the format object
inline constexpr HRESULT S_IMAPI_SPEEDADJUSTED =
    static_cast<HRESULT>(0x00AA0004); // success; requested speed was adjusted
inline constexpr HRESULT S_IMAPI_ROTATIONADJUSTED =
    static_cast<HRESULT>(0x00AA0005); // success; rotation type adjusted
inline constexpr HRESULT S_IMAPI_BOTHADJUSTED = static_cast<HRESULT>(0x00AA0006); // success; both adjusted
inline constexpr HRESULT E_IMAPI_BURN_VERIFICATION_FAILED =
    static_cast<HRESULT>(0xC0AA0007); // verification after burn failed
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_NO_MEDIA =
    static_cast<HRESULT>(0xC0AA0202); // no media in drive
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_INCOMPATIBLE =
    static_cast<HRESULT>(0xC0AA0203); // media incompatible / unknown format
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_UPSIDE_DOWN =
    static_cast<HRESULT>(0xC0AA0204); // media upside down
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_BECOMING_READY =
    static_cast<HRESULT>(0xC0AA0205); // drive becoming ready; retry later
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_FORMAT_IN_PROGRESS =
    static_cast<HRESULT>(0xC0AA0206); // media being formatted
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_BUSY =
    static_cast<HRESULT>(0xC0AA0207); // drive busy with long operation
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_WRITE_PROTECTED =
    static_cast<HRESULT>(0xC0AA0209); // media write-protected
inline constexpr HRESULT E_IMAPI_RECORDER_COMMAND_TIMEOUT =
    static_cast<HRESULT>(0xC0AA020D); // device command timeout
inline constexpr HRESULT E_IMAPI_RECORDER_MEDIA_SPEED_MISMATCH =
    static_cast<HRESULT>(0xC0AA020F); // media speed incompatible with drive
inline constexpr HRESULT E_IMAPI_RECORDER_LOCKED = static_cast<HRESULT>(
    0xC0AA0210); // device exclusively locked by another client (see get_ExclusiveAccessOwner)
inline constexpr HRESULT E_IMAPI_RECORDER_CLIENT_NAME_IS_NOT_VALID =
    static_cast<HRESULT>(0xC0AA0211); // invalid client name (AcquireExclusiveAccess)
inline constexpr HRESULT E_IMAPI_RECORDER_INVALID_RESPONSE_FROM_DEVICE =
    static_cast<HRESULT>(0xC0AA02FF); // invalid data from device
inline constexpr HRESULT E_IMAPI_LOSS_OF_STREAMING = static_cast<HRESULT>(0xC0AA0300); // buffer underrun
inline constexpr HRESULT E_IMAPI_UNEXPECTED_RESPONSE_FROM_DEVICE =
    static_cast<HRESULT>(0xC0AA0301); // unrecoverable drive error during write
inline constexpr HRESULT S_IMAPI_WRITE_NOT_IN_PROGRESS =
    static_cast<HRESULT>(0x00AA0302); // success; no write in progress (CancelWrite)
inline constexpr HRESULT E_IMAPI_DF2DATA_WRITE_IN_PROGRESS =
    static_cast<HRESULT>(0xC0AA0400); // write already in progress
inline constexpr HRESULT E_IMAPI_DF2DATA_WRITE_NOT_IN_PROGRESS =
    static_cast<HRESULT>(0xC0AA0401); // no write in progress
inline constexpr HRESULT E_IMAPI_DF2DATA_INVALID_MEDIA_STATE =
    static_cast<HRESULT>(0xC0AA0402); // only valid with supported media
inline constexpr HRESULT E_IMAPI_DF2DATA_STREAM_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0403); // stream not supported (for Write: its size must be a multiple of 2048)
inline constexpr HRESULT E_IMAPI_DF2DATA_STREAM_TOO_LARGE_FOR_CURRENT_MEDIA =
    static_cast<HRESULT>(0xC0AA0404); // stream larger than free space
inline constexpr HRESULT E_IMAPI_DF2DATA_MEDIA_NOT_BLANK =
    static_cast<HRESULT>(0xC0AA0405); // non-blank overwritable media and ForceOverwrite not set
inline constexpr HRESULT E_IMAPI_DF2DATA_MEDIA_IS_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0406); // media type unsupported
inline constexpr HRESULT E_IMAPI_DF2DATA_RECORDER_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0407); // drive lacks needed features
inline constexpr HRESULT E_IMAPI_DF2DATA_CLIENT_NAME_IS_NOT_VALID =
    static_cast<HRESULT>(0xC0AA0408); // ClientName invalid/not set
inline constexpr HRESULT E_IMAPI_DF2TAO_WRITE_IN_PROGRESS =
    static_cast<HRESULT>(0xC0AA0500); // write in progress
inline constexpr HRESULT E_IMAPI_DF2TAO_MEDIA_IS_NOT_PREPARED =
    static_cast<HRESULT>(0xC0AA0502); // PrepareMedia not called
inline constexpr HRESULT E_IMAPI_DF2TAO_MEDIA_IS_PREPARED =
    static_cast<HRESULT>(0xC0AA0503); // not allowed while prepared (call ReleaseMedia)
inline constexpr HRESULT E_IMAPI_DF2TAO_MEDIA_IS_NOT_BLANK =
    static_cast<HRESULT>(0xC0AA0506); // only blank CD-R/RW
inline constexpr HRESULT E_IMAPI_DF2TAO_MEDIA_IS_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0507); // media not supported (only blank CD-R/RW)
inline constexpr HRESULT E_IMAPI_DF2TAO_TRACK_LIMIT_REACHED =
    static_cast<HRESULT>(0xC0AA0508); // 99-track limit
inline constexpr HRESULT E_IMAPI_DF2TAO_NOT_ENOUGH_SPACE =
    static_cast<HRESULT>(0xC0AA0509); // track does not fit
inline constexpr HRESULT E_IMAPI_DF2TAO_NO_RECORDER_SPECIFIED =
    static_cast<HRESULT>(0xC0AA050A); // PrepareMedia without recorder
inline constexpr HRESULT E_IMAPI_DF2TAO_STREAM_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA050D); // audio stream invalid
inline constexpr HRESULT E_IMAPI_DF2TAO_RECORDER_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA050E); // drive lacks TAO support
inline constexpr HRESULT E_IMAPI_DF2TAO_CLIENT_NAME_IS_NOT_VALID =
    static_cast<HRESULT>(0xC0AA050F); // ClientName invalid
inline constexpr HRESULT E_IMAPI_DF2RAW_WRITE_IN_PROGRESS =
    static_cast<HRESULT>(0xC0AA0600); // write in progress
inline constexpr HRESULT E_IMAPI_DF2RAW_MEDIA_IS_NOT_PREPARED =
    static_cast<HRESULT>(0xC0AA0602); // PrepareMedia not called
inline constexpr HRESULT E_IMAPI_DF2RAW_MEDIA_IS_PREPARED =
    static_cast<HRESULT>(0xC0AA0603); // not allowed while prepared
inline constexpr HRESULT E_IMAPI_DF2RAW_MEDIA_IS_NOT_BLANK =
    static_cast<HRESULT>(0xC0AA0606); // only blank CD-R/RW
inline constexpr HRESULT E_IMAPI_DF2RAW_MEDIA_IS_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0607); // media not supported
inline constexpr HRESULT E_IMAPI_DF2RAW_NOT_ENOUGH_SPACE =
    static_cast<HRESULT>(0xC0AA0609); // session does not fit
inline constexpr HRESULT E_IMAPI_DF2RAW_NO_RECORDER_SPECIFIED =
    static_cast<HRESULT>(0xC0AA060A); // PrepareMedia without recorder
inline constexpr HRESULT E_IMAPI_DF2RAW_STREAM_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA060D); // raw stream invalid
inline constexpr HRESULT E_IMAPI_DF2RAW_DATA_BLOCK_TYPE_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA060E); // RequestedSectorType not supported by drive
inline constexpr HRESULT E_IMAPI_DF2RAW_STREAM_LEADIN_TOO_SHORT =
    static_cast<HRESULT>(0xC0AA060F); // stream lead-in too short for this media
inline constexpr HRESULT E_IMAPI_DF2RAW_RECORDER_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0610); // drive lacks raw DAO support
inline constexpr HRESULT E_IMAPI_ERASE_RECORDER_IN_USE =
    static_cast<HRESULT>(0x80AA0900); // recorder busy erasing (a 0x80 severity, unlike most codes here)
inline constexpr HRESULT E_IMAPI_ERASE_MEDIA_IS_NOT_ERASABLE =
    static_cast<HRESULT>(0x80AA0904); // media not erasable
inline constexpr HRESULT E_IMAPI_ERASE_DRIVE_FAILED_ERASE_COMMAND =
    static_cast<HRESULT>(0x80AA0905); // drive failed BLANK
inline constexpr HRESULT E_IMAPI_ERASE_MEDIA_IS_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA0909); // media unsupported for erase
inline constexpr HRESULT E_IMAPI_ERASE_RECORDER_NOT_SUPPORTED =
    static_cast<HRESULT>(0xC0AA090A); // drive unsupported for erase
inline constexpr HRESULT E_IMAPI_ERASE_CLIENT_NAME_IS_NOT_VALID =
    static_cast<HRESULT>(0xC0AA090B);                                                   // ClientName invalid
inline constexpr HRESULT IMAPI_E_FSI_INTERNAL_ERROR = static_cast<HRESULT>(0xC0AAB100); // internal error
inline constexpr HRESULT IMAPI_E_INVALID_PARAM =
    static_cast<HRESULT>(0xC0AAB101); // invalid parameter (e.g. bad name in CreateFileItem)
inline constexpr HRESULT IMAPI_E_READONLY = static_cast<HRESULT>(0xC0AAB102); // image object is read-only
inline constexpr HRESULT IMAPI_E_NO_OUTPUT =
    static_cast<HRESULT>(0xC0AAB103); // no file system selected to create
inline constexpr HRESULT IMAPI_E_INVALID_VOLUME_NAME =
    static_cast<HRESULT>(0xC0AAB104); // volume name too long/invalid chars
inline constexpr HRESULT IMAPI_E_FILE_SYSTEM_NOT_EMPTY =
    static_cast<HRESULT>(0xC0AAB106); // file system must be empty
inline constexpr HRESULT IMAPI_E_NOT_IN_FILE_SYSTEM =
    static_cast<HRESULT>(0xC0AAB10B); // item not part of the image
inline constexpr HRESULT IMAPI_E_INVALID_PATH =
    static_cast<HRESULT>(0xC0AAB110); // path badly formed/invalid characters
inline constexpr HRESULT IMAPI_E_RESTRICTED_NAME_VIOLATION =
    static_cast<HRESULT>(0xC0AAB111); // non-ANSI name while UseRestrictedCharacterSet
inline constexpr HRESULT IMAPI_E_DUP_NAME = static_cast<HRESULT>(0xC0AAB112); // name already exists
inline constexpr HRESULT IMAPI_E_NO_UNIQUE_NAME =
    static_cast<HRESULT>(0xC0AAB113); // cannot make FS-specific unique name
inline constexpr HRESULT IMAPI_E_ITEM_NOT_FOUND = static_cast<HRESULT>(0xC0AAB118); // item not found
inline constexpr HRESULT IMAPI_E_FILE_NOT_FOUND = static_cast<HRESULT>(0xC0AAB119); // file not found in image
inline constexpr HRESULT IMAPI_E_DIR_NOT_FOUND =
    static_cast<HRESULT>(0xC0AAB11A); // directory not found in image
inline constexpr HRESULT IMAPI_E_IMAGE_SIZE_LIMIT =
    static_cast<HRESULT>(0xC0AAB120); // adding item would exceed configured size limit (FreeMediaBlocks)
inline constexpr HRESULT IMAPI_E_IMAGE_TOO_BIG =
    static_cast<HRESULT>(0xC0AAB121); // FreeMediaBlocks too small for current data
inline constexpr HRESULT IMAPI_E_DATA_STREAM_INCONSISTENCY =
    static_cast<HRESULT>(0xC0AAB128); // file stream size changed
inline constexpr HRESULT IMAPI_E_DATA_STREAM_READ_FAILURE =
    static_cast<HRESULT>(0xC0AAB129); // cannot read file stream
inline constexpr HRESULT IMAPI_E_TOO_MANY_DIRS =
    static_cast<HRESULT>(0xC0AAB130); // too many directories for FS
inline constexpr HRESULT IMAPI_E_ISO9660_LEVELS =
    static_cast<HRESULT>(0xC0AAB131); // ISO9660 limited to 8 directory levels
inline constexpr HRESULT IMAPI_E_DATA_TOO_BIG =
    static_cast<HRESULT>(0xC0AAB132); // file too large for the file system
inline constexpr HRESULT IMAPI_E_INCOMPATIBLE_PREVIOUS_SESSION =
    static_cast<HRESULT>(0xC0AAB133); // previous session layout incompatible
inline constexpr HRESULT IMAPI_E_EMPTY_DISC = static_cast<HRESULT>(0xC0AAB150); // disc is empty
inline constexpr HRESULT IMAPI_E_NO_SUPPORTED_FILE_SYSTEM =
    static_cast<HRESULT>(0xC0AAB151); // no supported FS in last session
inline constexpr HRESULT IMAPI_E_IMPORT_SEEK_FAILURE =
    static_cast<HRESULT>(0xC0AAB156); // cannot seek on source disc (also returned for blank media)
inline constexpr HRESULT IMAPI_E_IMPORT_READ_FAILURE =
    static_cast<HRESULT>(0xC0AAB157); // read error during import
inline constexpr HRESULT IMAPI_E_DISC_MISMATCH =
    static_cast<HRESULT>(0xC0AAB158); // not the disc that was imported
inline constexpr HRESULT IMAPI_E_IMPORT_MEDIA_NOT_ALLOWED =
    static_cast<HRESULT>(0xC0AAB159); // multisession not allowed on this media type
inline constexpr HRESULT IMAPI_E_INCOMPATIBLE_MULTISESSION_TYPE =
    static_cast<HRESULT>(0xC0AAB15B); // multisession type not supported
inline constexpr HRESULT IMAPI_E_NO_COMPATIBLE_MULTISESSION_TYPE = static_cast<HRESULT>(
    0xC0AAB15C); // none of the given multisession types usable (also: no media, on ImportFileSystem)
inline constexpr HRESULT IMAPI_E_MULTISESSION_NOT_SET =
    static_cast<HRESULT>(0xC0AAB15D); // MultisessionInterfaces not set before import
inline constexpr HRESULT IMAPI_E_BAD_MULTISESSION_PARAMETER =
    static_cast<HRESULT>(0xC0AAB162); // multisession parameter unreadable/wrong
inline constexpr HRESULT IMAPI_S_IMAGE_FEATURE_NOT_SUPPORTED =
    static_cast<HRESULT>(0x00AAB15F); // success; feature dropped for this FS revision
