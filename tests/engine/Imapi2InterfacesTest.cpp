// Pins every member of our service declarations to the vtable slot and the parameter
// types, and every interface and class to the id that the service publishes. A member out of place would call
// the wrong function on real Windows, so this runs before anything talks to the service.
#include "Imapi2Interfaces.h"

#include <gtest/gtest.h>

#include <array>
#include <type_traits>
#include <string>
#include <utility>

// Every member's parameter types, exactly: a BOOL where the service takes a 16-bit
// VARIANT_BOOL, or a LONGLONG where it takes a LONG, keeps the slot but breaks the call.
static_assert(std::is_same_v<decltype(&IDiscMaster2::get__NewEnum),
                             HRESULT (STDMETHODCALLTYPE IDiscMaster2::*)(IEnumVARIANT**)>);
static_assert(std::is_same_v<decltype(&IDiscMaster2::get_Item),
                             HRESULT (STDMETHODCALLTYPE IDiscMaster2::*)(LONG, BSTR*)>);
static_assert(
    std::is_same_v<decltype(&IDiscMaster2::get_Count), HRESULT (STDMETHODCALLTYPE IDiscMaster2::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscMaster2::get_IsSupportedEnvironment),
                             HRESULT (STDMETHODCALLTYPE IDiscMaster2::*)(VARIANT_BOOL*)>);
static_assert(
    std::is_same_v<decltype(&IDiscRecorder2::EjectMedia), HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)()>);
static_assert(
    std::is_same_v<decltype(&IDiscRecorder2::CloseTray), HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)()>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::AcquireExclusiveAccess),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(VARIANT_BOOL, BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::ReleaseExclusiveAccess),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)()>);
static_assert(
    std::is_same_v<decltype(&IDiscRecorder2::DisableMcn), HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)()>);
static_assert(
    std::is_same_v<decltype(&IDiscRecorder2::EnableMcn), HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)()>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::InitializeDiscRecorder),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_ActiveDiscRecorder),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_VendorId),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_ProductId),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_ProductRevision),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_VolumeName),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_VolumePathNames),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_DeviceCanLoadMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_LegacyDeviceNumber),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_SupportedFeaturePages),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_CurrentFeaturePages),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_SupportedProfiles),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_CurrentProfiles),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_SupportedModePages),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscRecorder2::get_ExclusiveAccessOwner),
                             HRESULT (STDMETHODCALLTYPE IDiscRecorder2::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2::IsRecorderSupported),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2::*)(IDiscRecorder2*, VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2::IsCurrentMediaSupported),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2::*)(IDiscRecorder2*, VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2::get_MediaPhysicallyBlank),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2::get_MediaHeuristicallyBlank),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2::get_SupportedMediaTypes),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IDiscRecorder2**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_PostgapAlreadyInImage),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_PostgapAlreadyInImage),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(
    std::is_same_v<decltype(&IDiscFormat2Data::get_CurrentMediaStatus),
                   HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IMAPI_FORMAT2_DATA_MEDIA_STATE*)>);
static_assert(
    std::is_same_v<decltype(&IDiscFormat2Data::get_WriteProtectStatus),
                   HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IMAPI_MEDIA_WRITE_PROTECT_STATE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_TotalSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_FreeSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_NextWritableAddress),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_StartAddressOfPreviousSession),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_LastWrittenAddressOfPreviousSession),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_ForceMediaToBeClosed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_ForceMediaToBeClosed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_DisableConsumerDvdCompatibilityMode),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_DisableConsumerDvdCompatibilityMode),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_CurrentPhysicalMediaType),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IMAPI_MEDIA_PHYSICAL_TYPE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_RequestedWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_RequestedRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_CurrentWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_CurrentRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_SupportedWriteSpeeds),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_SupportedWriteSpeedDescriptors),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::put_ForceOverwrite),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_ForceOverwrite),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::get_MultisessionInterfaces),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::Write),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(IStream*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::CancelWrite),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Data::SetWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Data::*)(LONG, VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::put_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::get_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(IDiscRecorder2**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::put_FullErase),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::get_FullErase),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::get_CurrentPhysicalMediaType),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(IMAPI_MEDIA_PHYSICAL_TYPE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::put_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::get_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2Erase::EraseMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2Erase::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::PrepareMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::AddAudioTrack),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(IStream*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::CancelAddTrack),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::ReleaseMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::SetWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG, VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::put_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(IDiscRecorder2**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::put_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_NumberOfExistingTracks),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_TotalSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_FreeSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_UsedSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::put_DoNotFinalizeMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_DoNotFinalizeMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_ExpectedTableOfContents),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(SAFEARRAY**)>);
static_assert(
    std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_CurrentPhysicalMediaType),
                   HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(IMAPI_MEDIA_PHYSICAL_TYPE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::put_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_RequestedWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_RequestedRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_CurrentWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_CurrentRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_SupportedWriteSpeeds),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnce::get_SupportedWriteSpeedDescriptors),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnce::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::PrepareMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::WriteMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IStream*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::WriteMedia2),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IStream*, LONG)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::CancelWrite),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::ReleaseMedia),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)()>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::SetWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(LONG, VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::put_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_Recorder),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IDiscRecorder2**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::put_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_BufferUnderrunFreeDisabled),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_StartOfNextSession),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_LastPossibleStartOfLeadout),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_CurrentPhysicalMediaType),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IMAPI_MEDIA_PHYSICAL_TYPE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_SupportedSectorTypes),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(SAFEARRAY**)>);
static_assert(
    std::is_same_v<decltype(&IDiscFormat2RawCD::put_RequestedSectorType),
                   HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE)>);
static_assert(
    std::is_same_v<decltype(&IDiscFormat2RawCD::get_RequestedSectorType),
                   HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::put_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_ClientName),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_RequestedWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_RequestedRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_CurrentWriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_CurrentRotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_SupportedWriteSpeeds),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCD::get_SupportedWriteSpeedDescriptors),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCD::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IMultisession::get_IsSupportedOnCurrentMediaState),
                             HRESULT (STDMETHODCALLTYPE IMultisession::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IMultisession::put_InUse),
                             HRESULT (STDMETHODCALLTYPE IMultisession::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IMultisession::get_InUse),
                             HRESULT (STDMETHODCALLTYPE IMultisession::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IMultisession::get_ImportRecorder),
                             HRESULT (STDMETHODCALLTYPE IMultisession::*)(IDiscRecorder2**)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential::get_IsFirstDataSession),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential::get_StartAddressOfPreviousSession),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential::get_LastWrittenAddressOfPreviousSession),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential::get_NextWritableAddress),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential::get_FreeSectorsOnMedia),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IMultisessionSequential2::get_WriteUnitSize),
                             HRESULT (STDMETHODCALLTYPE IMultisessionSequential2::*)(LONG*)>);
static_assert(
    std::is_same_v<decltype(&IWriteSpeedDescriptor::get_MediaType),
                   HRESULT (STDMETHODCALLTYPE IWriteSpeedDescriptor::*)(IMAPI_MEDIA_PHYSICAL_TYPE*)>);
static_assert(std::is_same_v<decltype(&IWriteSpeedDescriptor::get_RotationTypeIsPureCAV),
                             HRESULT (STDMETHODCALLTYPE IWriteSpeedDescriptor::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IWriteSpeedDescriptor::get_WriteSpeed),
                             HRESULT (STDMETHODCALLTYPE IWriteSpeedDescriptor::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_Root),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IFsiDirectoryItem**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_SessionStartBlock),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_SessionStartBlock),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_FreeMediaBlocks),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_FreeMediaBlocks),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::SetMaxMediaBlocksFromDevice),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_UsedBlocks),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_VolumeName),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_VolumeName),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_ImportedVolumeName),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_BootImageOptions),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IBootOptions**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_BootImageOptions),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IBootOptions*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_FileCount),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_DirectoryCount),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_WorkingDirectory),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_WorkingDirectory),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_ChangePoint),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_StrictFileSystemCompliance),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_StrictFileSystemCompliance),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_UseRestrictedCharacterSet),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_UseRestrictedCharacterSet),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_FileSystemsToCreate),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_FileSystemsToCreate),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_FileSystemsSupported),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_UDFRevision),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_UDFRevision),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_UDFRevisionsSupported),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::ChooseImageDefaults),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IDiscRecorder2*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::ChooseImageDefaultsForMediaType),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IMAPI_MEDIA_PHYSICAL_TYPE)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_ISO9660InterchangeLevel),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_ISO9660InterchangeLevel),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_ISO9660InterchangeLevelsSupported),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::CreateResultImage),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IFileSystemImageResult**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::Exists),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR, FsiItemType*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::CalculateDiscIdentifier),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(
    std::is_same_v<decltype(&IFileSystemImage::IdentifyFileSystemsOnDisc),
                   HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(IDiscRecorder2*, FsiFileSystems*)>);
static_assert(
    std::is_same_v<decltype(&IFileSystemImage::GetDefaultFileSystemForImport),
                   HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems, FsiFileSystems*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::ImportFileSystem),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::ImportSpecificFileSystem),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(FsiFileSystems)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::RollbackToChangePoint),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(LONG)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::LockInChangePoint),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)()>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::CreateDirectoryItem),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR, IFsiDirectoryItem**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::CreateFileItem),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR, IFsiFileItem**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_VolumeNameUDF),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_VolumeNameJoliet),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_VolumeNameISO9660),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_StageFiles),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_StageFiles),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::get_MultisessionInterfaces),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(SAFEARRAY**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImage::put_MultisessionInterfaces),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImage::*)(SAFEARRAY*)>);
static_assert(std::is_same_v<decltype(&IFsiItem::get_Name), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(BSTR*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::get_FullPath), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(BSTR*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::get_CreationTime), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::put_CreationTime), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE)>);
static_assert(std::is_same_v<decltype(&IFsiItem::get_LastAccessedTime),
                             HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::put_LastAccessedTime), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE)>);
static_assert(std::is_same_v<decltype(&IFsiItem::get_LastModifiedTime),
                             HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::put_LastModifiedTime), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(DATE)>);
static_assert(std::is_same_v<decltype(&IFsiItem::get_IsHidden),
                             HRESULT (STDMETHODCALLTYPE IFsiItem::*)(VARIANT_BOOL*)>);
static_assert(
    std::is_same_v<decltype(&IFsiItem::put_IsHidden), HRESULT (STDMETHODCALLTYPE IFsiItem::*)(VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IFsiItem::FileSystemName),
                             HRESULT (STDMETHODCALLTYPE IFsiItem::*)(FsiFileSystems, BSTR*)>);
static_assert(std::is_same_v<decltype(&IFsiItem::FileSystemPath),
                             HRESULT (STDMETHODCALLTYPE IFsiItem::*)(FsiFileSystems, BSTR*)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::get__NewEnum),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(IEnumVARIANT**)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::get_Item),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR, IFsiItem**)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::get_Count),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::get_EnumFsiItems),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(IEnumFsiItems**)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::AddDirectory),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::AddFile),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR, IStream*)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::AddTree),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR, VARIANT_BOOL)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::Add),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(IFsiItem*)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::Remove),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IFsiDirectoryItem::RemoveTree),
                             HRESULT (STDMETHODCALLTYPE IFsiDirectoryItem::*)(BSTR)>);
static_assert(std::is_same_v<decltype(&IFsiFileItem::get_DataSize),
                             HRESULT (STDMETHODCALLTYPE IFsiFileItem::*)(LONGLONG*)>);
static_assert(std::is_same_v<decltype(&IFsiFileItem::get_DataSize32BitLow),
                             HRESULT (STDMETHODCALLTYPE IFsiFileItem::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFsiFileItem::get_DataSize32BitHigh),
                             HRESULT (STDMETHODCALLTYPE IFsiFileItem::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFsiFileItem::get_Data),
                             HRESULT (STDMETHODCALLTYPE IFsiFileItem::*)(IStream**)>);
static_assert(
    std::is_same_v<decltype(&IFsiFileItem::put_Data), HRESULT (STDMETHODCALLTYPE IFsiFileItem::*)(IStream*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImageResult::get_ImageStream),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImageResult::*)(IStream**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImageResult::get_ProgressItems),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImageResult::*)(IProgressItems**)>);
static_assert(std::is_same_v<decltype(&IFileSystemImageResult::get_TotalBlocks),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImageResult::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImageResult::get_BlockSize),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImageResult::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IFileSystemImageResult::get_DiscId),
                             HRESULT (STDMETHODCALLTYPE IFileSystemImageResult::*)(BSTR*)>);
static_assert(std::is_same_v<decltype(&DDiscFormat2DataEvents::Update),
                             HRESULT (STDMETHODCALLTYPE DDiscFormat2DataEvents::*)(IDispatch*, IDispatch*)>);
static_assert(std::is_same_v<decltype(&DDiscFormat2EraseEvents::Update),
                             HRESULT (STDMETHODCALLTYPE DDiscFormat2EraseEvents::*)(IDispatch*, LONG, LONG)>);
static_assert(std::is_same_v<decltype(&DDiscFormat2RawCDEvents::Update),
                             HRESULT (STDMETHODCALLTYPE DDiscFormat2RawCDEvents::*)(IDispatch*, IDispatch*)>);
static_assert(
    std::is_same_v<decltype(&DDiscFormat2TrackAtOnceEvents::Update),
                   HRESULT (STDMETHODCALLTYPE DDiscFormat2TrackAtOnceEvents::*)(IDispatch*, IDispatch*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_StartLba),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_SectorCount),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_LastReadLba),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_LastWrittenLba),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_TotalSystemBuffer),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_UsedSystemBuffer),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IWriteEngine2EventArgs::get_FreeSystemBuffer),
                             HRESULT (STDMETHODCALLTYPE IWriteEngine2EventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2DataEventArgs::get_ElapsedTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2DataEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2DataEventArgs::get_RemainingTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2DataEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2DataEventArgs::get_TotalTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2DataEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<
              decltype(&IDiscFormat2DataEventArgs::get_CurrentAction),
              HRESULT (STDMETHODCALLTYPE IDiscFormat2DataEventArgs::*)(IMAPI_FORMAT2_DATA_WRITE_ACTION*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnceEventArgs::get_CurrentTrackNumber),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnceEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnceEventArgs::get_CurrentAction),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnceEventArgs::*)(
                                 IMAPI_FORMAT2_TAO_WRITE_ACTION*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnceEventArgs::get_ElapsedTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnceEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2TrackAtOnceEventArgs::get_RemainingTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2TrackAtOnceEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<
              decltype(&IDiscFormat2RawCDEventArgs::get_CurrentAction),
              HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCDEventArgs::*)(IMAPI_FORMAT2_RAW_CD_WRITE_ACTION*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCDEventArgs::get_ElapsedTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCDEventArgs::*)(LONG*)>);
static_assert(std::is_same_v<decltype(&IDiscFormat2RawCDEventArgs::get_RemainingTime),
                             HRESULT (STDMETHODCALLTYPE IDiscFormat2RawCDEventArgs::*)(LONG*)>);

// Every enumeration of the service is a 32-bit value.
static_assert(sizeof(IMAPI_MEDIA_PHYSICAL_TYPE) == 4 && sizeof(IMAPI_FORMAT2_DATA_MEDIA_STATE) == 4 &&
              sizeof(IMAPI_FORMAT2_DATA_WRITE_ACTION) == 4 && sizeof(IMAPI_FORMAT2_TAO_WRITE_ACTION) == 4 &&
              sizeof(IMAPI_FORMAT2_RAW_CD_WRITE_ACTION) == 4 &&
              sizeof(IMAPI_FORMAT2_RAW_CD_DATA_SECTOR_TYPE) == 4 &&
              sizeof(IMAPI_MEDIA_WRITE_PROTECT_STATE) == 4 && sizeof(FsiFileSystems) == 4 &&
              sizeof(FsiItemType) == 4);
static_assert(sizeof(VARIANT_BOOL) == 2);

namespace {

// A fake object whose vtable entry N is a function that returns N: calling a member
// through it tells which slot the compiler chose for that member.
template <size_t N> HRESULT STDMETHODCALLTYPE ReturnSlot(void*) {
    return static_cast<HRESULT>(N);
}

template <size_t... N> std::array<void*, sizeof...(N)> MakeSlotTable(std::index_sequence<N...>) {
    return {reinterpret_cast<void*>(&ReturnSlot<N>)...};
}

struct FakeObject {
    void* const* vtable;
};

template <class Interface, class Call> int SlotOf(Call call) {
    static const auto table = MakeSlotTable(std::make_index_sequence<64>{});
    FakeObject object{table.data()};
    return static_cast<int>(call(reinterpret_cast<Interface*>(&object)));
}

struct SlotCase {
    const char* member;
    int expected;
    int actual;
};

struct IdCase {
    const char* name;
    GUID id;
    const wchar_t* text;
};

std::wstring GuidText(const GUID& id) {
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    return text;
}

TEST(ServiceDeclarations, EveryMemberSitsInItsSlot) {
    const SlotCase cases[] = {
        {"IDiscMaster2::get__NewEnum", 7,
         SlotOf<IDiscMaster2>([](IDiscMaster2* p) { return p->get__NewEnum(nullptr); })},
        {"IDiscMaster2::get_Item", 8,
         SlotOf<IDiscMaster2>([](IDiscMaster2* p) { return p->get_Item({}, nullptr); })},
        {"IDiscMaster2::get_Count", 9,
         SlotOf<IDiscMaster2>([](IDiscMaster2* p) { return p->get_Count(nullptr); })},
        {"IDiscMaster2::get_IsSupportedEnvironment", 10,
         SlotOf<IDiscMaster2>([](IDiscMaster2* p) { return p->get_IsSupportedEnvironment(nullptr); })},
        {"IDiscRecorder2::EjectMedia", 7,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->EjectMedia(); })},
        {"IDiscRecorder2::CloseTray", 8,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->CloseTray(); })},
        {"IDiscRecorder2::AcquireExclusiveAccess", 9,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->AcquireExclusiveAccess({}, nullptr); })},
        {"IDiscRecorder2::ReleaseExclusiveAccess", 10,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->ReleaseExclusiveAccess(); })},
        {"IDiscRecorder2::DisableMcn", 11,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->DisableMcn(); })},
        {"IDiscRecorder2::EnableMcn", 12,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->EnableMcn(); })},
        {"IDiscRecorder2::InitializeDiscRecorder", 13,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->InitializeDiscRecorder(nullptr); })},
        {"IDiscRecorder2::get_ActiveDiscRecorder", 14,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_ActiveDiscRecorder(nullptr); })},
        {"IDiscRecorder2::get_VendorId", 15,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_VendorId(nullptr); })},
        {"IDiscRecorder2::get_ProductId", 16,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_ProductId(nullptr); })},
        {"IDiscRecorder2::get_ProductRevision", 17,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_ProductRevision(nullptr); })},
        {"IDiscRecorder2::get_VolumeName", 18,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_VolumeName(nullptr); })},
        {"IDiscRecorder2::get_VolumePathNames", 19,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_VolumePathNames(nullptr); })},
        {"IDiscRecorder2::get_DeviceCanLoadMedia", 20,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_DeviceCanLoadMedia(nullptr); })},
        {"IDiscRecorder2::get_LegacyDeviceNumber", 21,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_LegacyDeviceNumber(nullptr); })},
        {"IDiscRecorder2::get_SupportedFeaturePages", 22,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_SupportedFeaturePages(nullptr); })},
        {"IDiscRecorder2::get_CurrentFeaturePages", 23,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_CurrentFeaturePages(nullptr); })},
        {"IDiscRecorder2::get_SupportedProfiles", 24,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_SupportedProfiles(nullptr); })},
        {"IDiscRecorder2::get_CurrentProfiles", 25,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_CurrentProfiles(nullptr); })},
        {"IDiscRecorder2::get_SupportedModePages", 26,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_SupportedModePages(nullptr); })},
        {"IDiscRecorder2::get_ExclusiveAccessOwner", 27,
         SlotOf<IDiscRecorder2>([](IDiscRecorder2* p) { return p->get_ExclusiveAccessOwner(nullptr); })},
        {"IDiscFormat2::IsRecorderSupported", 7,
         SlotOf<IDiscFormat2>([](IDiscFormat2* p) { return p->IsRecorderSupported(nullptr, nullptr); })},
        {"IDiscFormat2::IsCurrentMediaSupported", 8,
         SlotOf<IDiscFormat2>([](IDiscFormat2* p) { return p->IsCurrentMediaSupported(nullptr, nullptr); })},
        {"IDiscFormat2::get_MediaPhysicallyBlank", 9,
         SlotOf<IDiscFormat2>([](IDiscFormat2* p) { return p->get_MediaPhysicallyBlank(nullptr); })},
        {"IDiscFormat2::get_MediaHeuristicallyBlank", 10,
         SlotOf<IDiscFormat2>([](IDiscFormat2* p) { return p->get_MediaHeuristicallyBlank(nullptr); })},
        {"IDiscFormat2::get_SupportedMediaTypes", 11,
         SlotOf<IDiscFormat2>([](IDiscFormat2* p) { return p->get_SupportedMediaTypes(nullptr); })},
        {"IDiscFormat2Data::put_Recorder", 12,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_Recorder(nullptr); })},
        {"IDiscFormat2Data::get_Recorder", 13,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_Recorder(nullptr); })},
        {"IDiscFormat2Data::put_BufferUnderrunFreeDisabled", 14,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_BufferUnderrunFreeDisabled({}); })},
        {"IDiscFormat2Data::get_BufferUnderrunFreeDisabled", 15,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_BufferUnderrunFreeDisabled(nullptr); })},
        {"IDiscFormat2Data::put_PostgapAlreadyInImage", 16,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_PostgapAlreadyInImage({}); })},
        {"IDiscFormat2Data::get_PostgapAlreadyInImage", 17,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_PostgapAlreadyInImage(nullptr); })},
        {"IDiscFormat2Data::get_CurrentMediaStatus", 18,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_CurrentMediaStatus(nullptr); })},
        {"IDiscFormat2Data::get_WriteProtectStatus", 19,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_WriteProtectStatus(nullptr); })},
        {"IDiscFormat2Data::get_TotalSectorsOnMedia", 20,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_TotalSectorsOnMedia(nullptr); })},
        {"IDiscFormat2Data::get_FreeSectorsOnMedia", 21,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_FreeSectorsOnMedia(nullptr); })},
        {"IDiscFormat2Data::get_NextWritableAddress", 22,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_NextWritableAddress(nullptr); })},
        {"IDiscFormat2Data::get_StartAddressOfPreviousSession", 23,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_StartAddressOfPreviousSession(nullptr); })},
        {"IDiscFormat2Data::get_LastWrittenAddressOfPreviousSession", 24,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_LastWrittenAddressOfPreviousSession(nullptr); })},
        {"IDiscFormat2Data::put_ForceMediaToBeClosed", 25,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_ForceMediaToBeClosed({}); })},
        {"IDiscFormat2Data::get_ForceMediaToBeClosed", 26,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_ForceMediaToBeClosed(nullptr); })},
        {"IDiscFormat2Data::put_DisableConsumerDvdCompatibilityMode", 27,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->put_DisableConsumerDvdCompatibilityMode({}); })},
        {"IDiscFormat2Data::get_DisableConsumerDvdCompatibilityMode", 28,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_DisableConsumerDvdCompatibilityMode(nullptr); })},
        {"IDiscFormat2Data::get_CurrentPhysicalMediaType", 29,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_CurrentPhysicalMediaType(nullptr); })},
        {"IDiscFormat2Data::put_ClientName", 30,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_ClientName(nullptr); })},
        {"IDiscFormat2Data::get_ClientName", 31,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_ClientName(nullptr); })},
        {"IDiscFormat2Data::get_RequestedWriteSpeed", 32,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_RequestedWriteSpeed(nullptr); })},
        {"IDiscFormat2Data::get_RequestedRotationTypeIsPureCAV", 33,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_RequestedRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2Data::get_CurrentWriteSpeed", 34,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_CurrentWriteSpeed(nullptr); })},
        {"IDiscFormat2Data::get_CurrentRotationTypeIsPureCAV", 35,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_CurrentRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2Data::get_SupportedWriteSpeeds", 36,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_SupportedWriteSpeeds(nullptr); })},
        {"IDiscFormat2Data::get_SupportedWriteSpeedDescriptors", 37,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_SupportedWriteSpeedDescriptors(nullptr); })},
        {"IDiscFormat2Data::put_ForceOverwrite", 38,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->put_ForceOverwrite({}); })},
        {"IDiscFormat2Data::get_ForceOverwrite", 39,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->get_ForceOverwrite(nullptr); })},
        {"IDiscFormat2Data::get_MultisessionInterfaces", 40,
         SlotOf<IDiscFormat2Data>(
             [](IDiscFormat2Data* p) { return p->get_MultisessionInterfaces(nullptr); })},
        {"IDiscFormat2Data::Write", 41,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->Write(nullptr); })},
        {"IDiscFormat2Data::CancelWrite", 42,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->CancelWrite(); })},
        {"IDiscFormat2Data::SetWriteSpeed", 43,
         SlotOf<IDiscFormat2Data>([](IDiscFormat2Data* p) { return p->SetWriteSpeed({}, {}); })},
        {"IDiscFormat2Erase::put_Recorder", 12,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->put_Recorder(nullptr); })},
        {"IDiscFormat2Erase::get_Recorder", 13,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->get_Recorder(nullptr); })},
        {"IDiscFormat2Erase::put_FullErase", 14,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->put_FullErase({}); })},
        {"IDiscFormat2Erase::get_FullErase", 15,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->get_FullErase(nullptr); })},
        {"IDiscFormat2Erase::get_CurrentPhysicalMediaType", 16,
         SlotOf<IDiscFormat2Erase>(
             [](IDiscFormat2Erase* p) { return p->get_CurrentPhysicalMediaType(nullptr); })},
        {"IDiscFormat2Erase::put_ClientName", 17,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->put_ClientName(nullptr); })},
        {"IDiscFormat2Erase::get_ClientName", 18,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->get_ClientName(nullptr); })},
        {"IDiscFormat2Erase::EraseMedia", 19,
         SlotOf<IDiscFormat2Erase>([](IDiscFormat2Erase* p) { return p->EraseMedia(); })},
        {"IDiscFormat2TrackAtOnce::PrepareMedia", 12,
         SlotOf<IDiscFormat2TrackAtOnce>([](IDiscFormat2TrackAtOnce* p) { return p->PrepareMedia(); })},
        {"IDiscFormat2TrackAtOnce::AddAudioTrack", 13,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->AddAudioTrack(nullptr); })},
        {"IDiscFormat2TrackAtOnce::CancelAddTrack", 14,
         SlotOf<IDiscFormat2TrackAtOnce>([](IDiscFormat2TrackAtOnce* p) { return p->CancelAddTrack(); })},
        {"IDiscFormat2TrackAtOnce::ReleaseMedia", 15,
         SlotOf<IDiscFormat2TrackAtOnce>([](IDiscFormat2TrackAtOnce* p) { return p->ReleaseMedia(); })},
        {"IDiscFormat2TrackAtOnce::SetWriteSpeed", 16,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->SetWriteSpeed({}, {}); })},
        {"IDiscFormat2TrackAtOnce::put_Recorder", 17,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->put_Recorder(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_Recorder", 18,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_Recorder(nullptr); })},
        {"IDiscFormat2TrackAtOnce::put_BufferUnderrunFreeDisabled", 19,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->put_BufferUnderrunFreeDisabled({}); })},
        {"IDiscFormat2TrackAtOnce::get_BufferUnderrunFreeDisabled", 20,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_BufferUnderrunFreeDisabled(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_NumberOfExistingTracks", 21,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_NumberOfExistingTracks(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_TotalSectorsOnMedia", 22,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_TotalSectorsOnMedia(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_FreeSectorsOnMedia", 23,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_FreeSectorsOnMedia(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_UsedSectorsOnMedia", 24,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_UsedSectorsOnMedia(nullptr); })},
        {"IDiscFormat2TrackAtOnce::put_DoNotFinalizeMedia", 25,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->put_DoNotFinalizeMedia({}); })},
        {"IDiscFormat2TrackAtOnce::get_DoNotFinalizeMedia", 26,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_DoNotFinalizeMedia(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_ExpectedTableOfContents", 27,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_ExpectedTableOfContents(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_CurrentPhysicalMediaType", 28,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_CurrentPhysicalMediaType(nullptr); })},
        {"IDiscFormat2TrackAtOnce::put_ClientName", 29,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->put_ClientName(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_ClientName", 30,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_ClientName(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_RequestedWriteSpeed", 31,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_RequestedWriteSpeed(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_RequestedRotationTypeIsPureCAV", 32,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_RequestedRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_CurrentWriteSpeed", 33,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_CurrentWriteSpeed(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_CurrentRotationTypeIsPureCAV", 34,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_CurrentRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_SupportedWriteSpeeds", 35,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_SupportedWriteSpeeds(nullptr); })},
        {"IDiscFormat2TrackAtOnce::get_SupportedWriteSpeedDescriptors", 36,
         SlotOf<IDiscFormat2TrackAtOnce>(
             [](IDiscFormat2TrackAtOnce* p) { return p->get_SupportedWriteSpeedDescriptors(nullptr); })},
        {"IDiscFormat2RawCD::PrepareMedia", 12,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->PrepareMedia(); })},
        {"IDiscFormat2RawCD::WriteMedia", 13,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->WriteMedia(nullptr); })},
        {"IDiscFormat2RawCD::WriteMedia2", 14,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->WriteMedia2(nullptr, {}); })},
        {"IDiscFormat2RawCD::CancelWrite", 15,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->CancelWrite(); })},
        {"IDiscFormat2RawCD::ReleaseMedia", 16,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->ReleaseMedia(); })},
        {"IDiscFormat2RawCD::SetWriteSpeed", 17,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->SetWriteSpeed({}, {}); })},
        {"IDiscFormat2RawCD::put_Recorder", 18,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->put_Recorder(nullptr); })},
        {"IDiscFormat2RawCD::get_Recorder", 19,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_Recorder(nullptr); })},
        {"IDiscFormat2RawCD::put_BufferUnderrunFreeDisabled", 20,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->put_BufferUnderrunFreeDisabled({}); })},
        {"IDiscFormat2RawCD::get_BufferUnderrunFreeDisabled", 21,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_BufferUnderrunFreeDisabled(nullptr); })},
        {"IDiscFormat2RawCD::get_StartOfNextSession", 22,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_StartOfNextSession(nullptr); })},
        {"IDiscFormat2RawCD::get_LastPossibleStartOfLeadout", 23,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_LastPossibleStartOfLeadout(nullptr); })},
        {"IDiscFormat2RawCD::get_CurrentPhysicalMediaType", 24,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_CurrentPhysicalMediaType(nullptr); })},
        {"IDiscFormat2RawCD::get_SupportedSectorTypes", 25,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_SupportedSectorTypes(nullptr); })},
        {"IDiscFormat2RawCD::put_RequestedSectorType", 26,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->put_RequestedSectorType({}); })},
        {"IDiscFormat2RawCD::get_RequestedSectorType", 27,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_RequestedSectorType(nullptr); })},
        {"IDiscFormat2RawCD::put_ClientName", 28,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->put_ClientName(nullptr); })},
        {"IDiscFormat2RawCD::get_ClientName", 29,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_ClientName(nullptr); })},
        {"IDiscFormat2RawCD::get_RequestedWriteSpeed", 30,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_RequestedWriteSpeed(nullptr); })},
        {"IDiscFormat2RawCD::get_RequestedRotationTypeIsPureCAV", 31,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_RequestedRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2RawCD::get_CurrentWriteSpeed", 32,
         SlotOf<IDiscFormat2RawCD>([](IDiscFormat2RawCD* p) { return p->get_CurrentWriteSpeed(nullptr); })},
        {"IDiscFormat2RawCD::get_CurrentRotationTypeIsPureCAV", 33,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_CurrentRotationTypeIsPureCAV(nullptr); })},
        {"IDiscFormat2RawCD::get_SupportedWriteSpeeds", 34,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_SupportedWriteSpeeds(nullptr); })},
        {"IDiscFormat2RawCD::get_SupportedWriteSpeedDescriptors", 35,
         SlotOf<IDiscFormat2RawCD>(
             [](IDiscFormat2RawCD* p) { return p->get_SupportedWriteSpeedDescriptors(nullptr); })},
        {"IMultisession::get_IsSupportedOnCurrentMediaState", 7, SlotOf<IMultisession>([](IMultisession* p) {
             return p->get_IsSupportedOnCurrentMediaState(nullptr);
         })},
        {"IMultisession::put_InUse", 8,
         SlotOf<IMultisession>([](IMultisession* p) { return p->put_InUse({}); })},
        {"IMultisession::get_InUse", 9,
         SlotOf<IMultisession>([](IMultisession* p) { return p->get_InUse(nullptr); })},
        {"IMultisession::get_ImportRecorder", 10,
         SlotOf<IMultisession>([](IMultisession* p) { return p->get_ImportRecorder(nullptr); })},
        {"IMultisessionSequential::get_IsFirstDataSession", 11,
         SlotOf<IMultisessionSequential>(
             [](IMultisessionSequential* p) { return p->get_IsFirstDataSession(nullptr); })},
        {"IMultisessionSequential::get_StartAddressOfPreviousSession", 12,
         SlotOf<IMultisessionSequential>(
             [](IMultisessionSequential* p) { return p->get_StartAddressOfPreviousSession(nullptr); })},
        {"IMultisessionSequential::get_LastWrittenAddressOfPreviousSession", 13,
         SlotOf<IMultisessionSequential>(
             [](IMultisessionSequential* p) { return p->get_LastWrittenAddressOfPreviousSession(nullptr); })},
        {"IMultisessionSequential::get_NextWritableAddress", 14,
         SlotOf<IMultisessionSequential>(
             [](IMultisessionSequential* p) { return p->get_NextWritableAddress(nullptr); })},
        {"IMultisessionSequential::get_FreeSectorsOnMedia", 15,
         SlotOf<IMultisessionSequential>(
             [](IMultisessionSequential* p) { return p->get_FreeSectorsOnMedia(nullptr); })},
        {"IMultisessionSequential2::get_WriteUnitSize", 16,
         SlotOf<IMultisessionSequential2>(
             [](IMultisessionSequential2* p) { return p->get_WriteUnitSize(nullptr); })},
        {"IWriteSpeedDescriptor::get_MediaType", 7,
         SlotOf<IWriteSpeedDescriptor>([](IWriteSpeedDescriptor* p) { return p->get_MediaType(nullptr); })},
        {"IWriteSpeedDescriptor::get_RotationTypeIsPureCAV", 8,
         SlotOf<IWriteSpeedDescriptor>(
             [](IWriteSpeedDescriptor* p) { return p->get_RotationTypeIsPureCAV(nullptr); })},
        {"IWriteSpeedDescriptor::get_WriteSpeed", 9,
         SlotOf<IWriteSpeedDescriptor>([](IWriteSpeedDescriptor* p) { return p->get_WriteSpeed(nullptr); })},
        {"IFileSystemImage::get_Root", 7,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_Root(nullptr); })},
        {"IFileSystemImage::get_SessionStartBlock", 8,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_SessionStartBlock(nullptr); })},
        {"IFileSystemImage::put_SessionStartBlock", 9,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_SessionStartBlock({}); })},
        {"IFileSystemImage::get_FreeMediaBlocks", 10,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_FreeMediaBlocks(nullptr); })},
        {"IFileSystemImage::put_FreeMediaBlocks", 11,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_FreeMediaBlocks({}); })},
        {"IFileSystemImage::SetMaxMediaBlocksFromDevice", 12,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->SetMaxMediaBlocksFromDevice(nullptr); })},
        {"IFileSystemImage::get_UsedBlocks", 13,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_UsedBlocks(nullptr); })},
        {"IFileSystemImage::get_VolumeName", 14,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_VolumeName(nullptr); })},
        {"IFileSystemImage::put_VolumeName", 15,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_VolumeName(nullptr); })},
        {"IFileSystemImage::get_ImportedVolumeName", 16,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_ImportedVolumeName(nullptr); })},
        {"IFileSystemImage::get_BootImageOptions", 17,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_BootImageOptions(nullptr); })},
        {"IFileSystemImage::put_BootImageOptions", 18,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_BootImageOptions(nullptr); })},
        {"IFileSystemImage::get_FileCount", 19,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_FileCount(nullptr); })},
        {"IFileSystemImage::get_DirectoryCount", 20,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_DirectoryCount(nullptr); })},
        {"IFileSystemImage::get_WorkingDirectory", 21,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_WorkingDirectory(nullptr); })},
        {"IFileSystemImage::put_WorkingDirectory", 22,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_WorkingDirectory(nullptr); })},
        {"IFileSystemImage::get_ChangePoint", 23,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_ChangePoint(nullptr); })},
        {"IFileSystemImage::get_StrictFileSystemCompliance", 24,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->get_StrictFileSystemCompliance(nullptr); })},
        {"IFileSystemImage::put_StrictFileSystemCompliance", 25,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_StrictFileSystemCompliance({}); })},
        {"IFileSystemImage::get_UseRestrictedCharacterSet", 26,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->get_UseRestrictedCharacterSet(nullptr); })},
        {"IFileSystemImage::put_UseRestrictedCharacterSet", 27,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_UseRestrictedCharacterSet({}); })},
        {"IFileSystemImage::get_FileSystemsToCreate", 28,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_FileSystemsToCreate(nullptr); })},
        {"IFileSystemImage::put_FileSystemsToCreate", 29,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_FileSystemsToCreate({}); })},
        {"IFileSystemImage::get_FileSystemsSupported", 30,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_FileSystemsSupported(nullptr); })},
        {"IFileSystemImage::put_UDFRevision", 31,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_UDFRevision({}); })},
        {"IFileSystemImage::get_UDFRevision", 32,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_UDFRevision(nullptr); })},
        {"IFileSystemImage::get_UDFRevisionsSupported", 33,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_UDFRevisionsSupported(nullptr); })},
        {"IFileSystemImage::ChooseImageDefaults", 34,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->ChooseImageDefaults(nullptr); })},
        {"IFileSystemImage::ChooseImageDefaultsForMediaType", 35,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->ChooseImageDefaultsForMediaType({}); })},
        {"IFileSystemImage::put_ISO9660InterchangeLevel", 36,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_ISO9660InterchangeLevel({}); })},
        {"IFileSystemImage::get_ISO9660InterchangeLevel", 37,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->get_ISO9660InterchangeLevel(nullptr); })},
        {"IFileSystemImage::get_ISO9660InterchangeLevelsSupported", 38,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->get_ISO9660InterchangeLevelsSupported(nullptr); })},
        {"IFileSystemImage::CreateResultImage", 39,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->CreateResultImage(nullptr); })},
        {"IFileSystemImage::Exists", 40,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->Exists(nullptr, nullptr); })},
        {"IFileSystemImage::CalculateDiscIdentifier", 41,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->CalculateDiscIdentifier(nullptr); })},
        {"IFileSystemImage::IdentifyFileSystemsOnDisc", 42, SlotOf<IFileSystemImage>([](IFileSystemImage* p) {
             return p->IdentifyFileSystemsOnDisc(nullptr, nullptr);
         })},
        {"IFileSystemImage::GetDefaultFileSystemForImport", 43,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->GetDefaultFileSystemForImport({}, nullptr); })},
        {"IFileSystemImage::ImportFileSystem", 44,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->ImportFileSystem(nullptr); })},
        {"IFileSystemImage::ImportSpecificFileSystem", 45,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->ImportSpecificFileSystem({}); })},
        {"IFileSystemImage::RollbackToChangePoint", 46,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->RollbackToChangePoint({}); })},
        {"IFileSystemImage::LockInChangePoint", 47,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->LockInChangePoint(); })},
        {"IFileSystemImage::CreateDirectoryItem", 48, SlotOf<IFileSystemImage>([](IFileSystemImage* p) {
             return p->CreateDirectoryItem(nullptr, nullptr);
         })},
        {"IFileSystemImage::CreateFileItem", 49,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->CreateFileItem(nullptr, nullptr); })},
        {"IFileSystemImage::get_VolumeNameUDF", 50,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_VolumeNameUDF(nullptr); })},
        {"IFileSystemImage::get_VolumeNameJoliet", 51,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_VolumeNameJoliet(nullptr); })},
        {"IFileSystemImage::get_VolumeNameISO9660", 52,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_VolumeNameISO9660(nullptr); })},
        {"IFileSystemImage::get_StageFiles", 53,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->get_StageFiles(nullptr); })},
        {"IFileSystemImage::put_StageFiles", 54,
         SlotOf<IFileSystemImage>([](IFileSystemImage* p) { return p->put_StageFiles({}); })},
        {"IFileSystemImage::get_MultisessionInterfaces", 55,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->get_MultisessionInterfaces(nullptr); })},
        {"IFileSystemImage::put_MultisessionInterfaces", 56,
         SlotOf<IFileSystemImage>(
             [](IFileSystemImage* p) { return p->put_MultisessionInterfaces(nullptr); })},
        {"IFsiItem::get_Name", 7, SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_Name(nullptr); })},
        {"IFsiItem::get_FullPath", 8, SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_FullPath(nullptr); })},
        {"IFsiItem::get_CreationTime", 9,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_CreationTime(nullptr); })},
        {"IFsiItem::put_CreationTime", 10,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->put_CreationTime(0.0); })},
        {"IFsiItem::get_LastAccessedTime", 11,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_LastAccessedTime(nullptr); })},
        {"IFsiItem::put_LastAccessedTime", 12,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->put_LastAccessedTime(0.0); })},
        {"IFsiItem::get_LastModifiedTime", 13,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_LastModifiedTime(nullptr); })},
        {"IFsiItem::put_LastModifiedTime", 14,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->put_LastModifiedTime(0.0); })},
        {"IFsiItem::get_IsHidden", 15,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->get_IsHidden(nullptr); })},
        {"IFsiItem::put_IsHidden", 16, SlotOf<IFsiItem>([](IFsiItem* p) { return p->put_IsHidden({}); })},
        {"IFsiItem::FileSystemName", 17,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->FileSystemName({}, nullptr); })},
        {"IFsiItem::FileSystemPath", 18,
         SlotOf<IFsiItem>([](IFsiItem* p) { return p->FileSystemPath({}, nullptr); })},
        {"IFsiDirectoryItem::get__NewEnum", 19,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->get__NewEnum(nullptr); })},
        {"IFsiDirectoryItem::get_Item", 20,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->get_Item(nullptr, nullptr); })},
        {"IFsiDirectoryItem::get_Count", 21,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->get_Count(nullptr); })},
        {"IFsiDirectoryItem::get_EnumFsiItems", 22,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->get_EnumFsiItems(nullptr); })},
        {"IFsiDirectoryItem::AddDirectory", 23,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->AddDirectory(nullptr); })},
        {"IFsiDirectoryItem::AddFile", 24,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->AddFile(nullptr, nullptr); })},
        {"IFsiDirectoryItem::AddTree", 25,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->AddTree(nullptr, {}); })},
        {"IFsiDirectoryItem::Add", 26,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->Add(nullptr); })},
        {"IFsiDirectoryItem::Remove", 27,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->Remove(nullptr); })},
        {"IFsiDirectoryItem::RemoveTree", 28,
         SlotOf<IFsiDirectoryItem>([](IFsiDirectoryItem* p) { return p->RemoveTree(nullptr); })},
        {"IFsiFileItem::get_DataSize", 19,
         SlotOf<IFsiFileItem>([](IFsiFileItem* p) { return p->get_DataSize(nullptr); })},
        {"IFsiFileItem::get_DataSize32BitLow", 20,
         SlotOf<IFsiFileItem>([](IFsiFileItem* p) { return p->get_DataSize32BitLow(nullptr); })},
        {"IFsiFileItem::get_DataSize32BitHigh", 21,
         SlotOf<IFsiFileItem>([](IFsiFileItem* p) { return p->get_DataSize32BitHigh(nullptr); })},
        {"IFsiFileItem::get_Data", 22,
         SlotOf<IFsiFileItem>([](IFsiFileItem* p) { return p->get_Data(nullptr); })},
        {"IFsiFileItem::put_Data", 23,
         SlotOf<IFsiFileItem>([](IFsiFileItem* p) { return p->put_Data(nullptr); })},
        {"IFileSystemImageResult::get_ImageStream", 7,
         SlotOf<IFileSystemImageResult>(
             [](IFileSystemImageResult* p) { return p->get_ImageStream(nullptr); })},
        {"IFileSystemImageResult::get_ProgressItems", 8,
         SlotOf<IFileSystemImageResult>(
             [](IFileSystemImageResult* p) { return p->get_ProgressItems(nullptr); })},
        {"IFileSystemImageResult::get_TotalBlocks", 9,
         SlotOf<IFileSystemImageResult>(
             [](IFileSystemImageResult* p) { return p->get_TotalBlocks(nullptr); })},
        {"IFileSystemImageResult::get_BlockSize", 10,
         SlotOf<IFileSystemImageResult>([](IFileSystemImageResult* p) { return p->get_BlockSize(nullptr); })},
        {"IFileSystemImageResult::get_DiscId", 11,
         SlotOf<IFileSystemImageResult>([](IFileSystemImageResult* p) { return p->get_DiscId(nullptr); })},
        {"DDiscFormat2DataEvents::Update", 7, SlotOf<DDiscFormat2DataEvents>([](DDiscFormat2DataEvents* p) {
             return p->Update(nullptr, nullptr);
         })},
        {"DDiscFormat2EraseEvents::Update", 7,
         SlotOf<DDiscFormat2EraseEvents>(
             [](DDiscFormat2EraseEvents* p) { return p->Update(nullptr, {}, {}); })},
        {"DDiscFormat2RawCDEvents::Update", 7,
         SlotOf<DDiscFormat2RawCDEvents>(
             [](DDiscFormat2RawCDEvents* p) { return p->Update(nullptr, nullptr); })},
        {"DDiscFormat2TrackAtOnceEvents::Update", 7,
         SlotOf<DDiscFormat2TrackAtOnceEvents>(
             [](DDiscFormat2TrackAtOnceEvents* p) { return p->Update(nullptr, nullptr); })},
        {"IWriteEngine2EventArgs::get_StartLba", 7,
         SlotOf<IWriteEngine2EventArgs>([](IWriteEngine2EventArgs* p) { return p->get_StartLba(nullptr); })},
        {"IWriteEngine2EventArgs::get_SectorCount", 8,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_SectorCount(nullptr); })},
        {"IWriteEngine2EventArgs::get_LastReadLba", 9,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_LastReadLba(nullptr); })},
        {"IWriteEngine2EventArgs::get_LastWrittenLba", 10,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_LastWrittenLba(nullptr); })},
        {"IWriteEngine2EventArgs::get_TotalSystemBuffer", 11,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_TotalSystemBuffer(nullptr); })},
        {"IWriteEngine2EventArgs::get_UsedSystemBuffer", 12,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_UsedSystemBuffer(nullptr); })},
        {"IWriteEngine2EventArgs::get_FreeSystemBuffer", 13,
         SlotOf<IWriteEngine2EventArgs>(
             [](IWriteEngine2EventArgs* p) { return p->get_FreeSystemBuffer(nullptr); })},
        {"IDiscFormat2DataEventArgs::get_ElapsedTime", 14,
         SlotOf<IDiscFormat2DataEventArgs>(
             [](IDiscFormat2DataEventArgs* p) { return p->get_ElapsedTime(nullptr); })},
        {"IDiscFormat2DataEventArgs::get_RemainingTime", 15,
         SlotOf<IDiscFormat2DataEventArgs>(
             [](IDiscFormat2DataEventArgs* p) { return p->get_RemainingTime(nullptr); })},
        {"IDiscFormat2DataEventArgs::get_TotalTime", 16,
         SlotOf<IDiscFormat2DataEventArgs>(
             [](IDiscFormat2DataEventArgs* p) { return p->get_TotalTime(nullptr); })},
        {"IDiscFormat2DataEventArgs::get_CurrentAction", 17,
         SlotOf<IDiscFormat2DataEventArgs>(
             [](IDiscFormat2DataEventArgs* p) { return p->get_CurrentAction(nullptr); })},
        {"IDiscFormat2TrackAtOnceEventArgs::get_CurrentTrackNumber", 14,
         SlotOf<IDiscFormat2TrackAtOnceEventArgs>(
             [](IDiscFormat2TrackAtOnceEventArgs* p) { return p->get_CurrentTrackNumber(nullptr); })},
        {"IDiscFormat2TrackAtOnceEventArgs::get_CurrentAction", 15,
         SlotOf<IDiscFormat2TrackAtOnceEventArgs>(
             [](IDiscFormat2TrackAtOnceEventArgs* p) { return p->get_CurrentAction(nullptr); })},
        {"IDiscFormat2TrackAtOnceEventArgs::get_ElapsedTime", 16,
         SlotOf<IDiscFormat2TrackAtOnceEventArgs>(
             [](IDiscFormat2TrackAtOnceEventArgs* p) { return p->get_ElapsedTime(nullptr); })},
        {"IDiscFormat2TrackAtOnceEventArgs::get_RemainingTime", 17,
         SlotOf<IDiscFormat2TrackAtOnceEventArgs>(
             [](IDiscFormat2TrackAtOnceEventArgs* p) { return p->get_RemainingTime(nullptr); })},
        {"IDiscFormat2RawCDEventArgs::get_CurrentAction", 14,
         SlotOf<IDiscFormat2RawCDEventArgs>(
             [](IDiscFormat2RawCDEventArgs* p) { return p->get_CurrentAction(nullptr); })},
        {"IDiscFormat2RawCDEventArgs::get_ElapsedTime", 15,
         SlotOf<IDiscFormat2RawCDEventArgs>(
             [](IDiscFormat2RawCDEventArgs* p) { return p->get_ElapsedTime(nullptr); })},
        {"IDiscFormat2RawCDEventArgs::get_RemainingTime", 16,
         SlotOf<IDiscFormat2RawCDEventArgs>(
             [](IDiscFormat2RawCDEventArgs* p) { return p->get_RemainingTime(nullptr); })},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.member;
}

TEST(ServiceDeclarations, InterfaceIds) {
    const IdCase cases[] = {
        {"IDiscMaster2", __uuidof(IDiscMaster2), L"{27354130-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscRecorder2", __uuidof(IDiscRecorder2), L"{27354133-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2", __uuidof(IDiscFormat2), L"{27354152-8F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2Data", __uuidof(IDiscFormat2Data), L"{27354153-9F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2Erase", __uuidof(IDiscFormat2Erase), L"{27354156-8F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2TrackAtOnce", __uuidof(IDiscFormat2TrackAtOnce),
         L"{27354154-8F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2RawCD", __uuidof(IDiscFormat2RawCD), L"{27354155-8F64-5B0F-8F00-5D77AFBE261E}"},
        {"IMultisession", __uuidof(IMultisession), L"{27354150-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IMultisessionSequential", __uuidof(IMultisessionSequential),
         L"{27354151-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IMultisessionSequential2", __uuidof(IMultisessionSequential2),
         L"{B507CA22-2204-11DD-966A-001AA01BBC58}"},
        {"IWriteSpeedDescriptor", __uuidof(IWriteSpeedDescriptor), L"{27354144-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IFileSystemImage", __uuidof(IFileSystemImage), L"{2C941FE1-975B-59BE-A960-9A2A262853A5}"},
        {"IFsiItem", __uuidof(IFsiItem), L"{2C941FD9-975B-59BE-A960-9A2A262853A5}"},
        {"IFsiDirectoryItem", __uuidof(IFsiDirectoryItem), L"{2C941FDC-975B-59BE-A960-9A2A262853A5}"},
        {"IFsiFileItem", __uuidof(IFsiFileItem), L"{2C941FDB-975B-59BE-A960-9A2A262853A5}"},
        {"IFileSystemImageResult", __uuidof(IFileSystemImageResult),
         L"{2C941FD8-975B-59BE-A960-9A2A262853A5}"},
        {"DDiscFormat2DataEvents", __uuidof(DDiscFormat2DataEvents),
         L"{2735413C-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"DDiscFormat2EraseEvents", __uuidof(DDiscFormat2EraseEvents),
         L"{2735413A-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"DDiscFormat2RawCDEvents", __uuidof(DDiscFormat2RawCDEvents),
         L"{27354142-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"DDiscFormat2TrackAtOnceEvents", __uuidof(DDiscFormat2TrackAtOnceEvents),
         L"{2735413F-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IWriteEngine2EventArgs", __uuidof(IWriteEngine2EventArgs),
         L"{27354136-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2DataEventArgs", __uuidof(IDiscFormat2DataEventArgs),
         L"{2735413D-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2TrackAtOnceEventArgs", __uuidof(IDiscFormat2TrackAtOnceEventArgs),
         L"{27354140-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"IDiscFormat2RawCDEventArgs", __uuidof(IDiscFormat2RawCDEventArgs),
         L"{27354143-7F64-5B0F-8F00-5D77AFBE261E}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GuidText(c.id), c.text) << c.name;
    // The constant and __uuidof name the same id.
    EXPECT_TRUE(IsEqualIID(IID_IDiscFormat2Data, __uuidof(IDiscFormat2Data)));
}

TEST(ServiceDeclarations, ClassIds) {
    const IdCase cases[] = {
        {"MsftDiscMaster2", CLSID_MsftDiscMaster2, L"{2735412E-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftDiscRecorder2", CLSID_MsftDiscRecorder2, L"{2735412D-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftDiscFormat2Data", CLSID_MsftDiscFormat2Data, L"{2735412A-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftDiscFormat2Erase", CLSID_MsftDiscFormat2Erase, L"{2735412B-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftDiscFormat2TrackAtOnce", CLSID_MsftDiscFormat2TrackAtOnce,
         L"{27354129-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftDiscFormat2RawCD", CLSID_MsftDiscFormat2RawCD, L"{27354128-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftMultisessionSequential", CLSID_MsftMultisessionSequential,
         L"{27354122-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftWriteSpeedDescriptor", CLSID_MsftWriteSpeedDescriptor,
         L"{27354123-7F64-5B0F-8F00-5D77AFBE261E}"},
        {"MsftFileSystemImage", CLSID_MsftFileSystemImage, L"{2C941FC5-975B-59BE-A960-9A2A262853A5}"},
        {"FsiDirectoryItem", CLSID_FsiDirectoryItem, L"{2C941FC8-975B-59BE-A960-9A2A262853A5}"},
        {"FsiFileItem", CLSID_FsiFileItem, L"{2C941FC7-975B-59BE-A960-9A2A262853A5}"},
        {"FileSystemImageResult", CLSID_FileSystemImageResult, L"{2C941FCC-975B-59BE-A960-9A2A262853A5}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GuidText(c.id), c.text) << c.name;
}

TEST(ServiceDeclarations, ResultCodesKeepTheirSeverity) {
    EXPECT_EQ(IMAPI_E_IMAGE_SIZE_LIMIT, static_cast<HRESULT>(0xC0AAB120));
    EXPECT_EQ(E_IMAPI_ERASE_RECORDER_IN_USE, static_cast<HRESULT>(0x80AA0900));
}

} // namespace
