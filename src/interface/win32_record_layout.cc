// The host-visible records on 32-bit Windows: plain sequences of 32-bit words
//
// A host on that platform reads the records by word, as the header documents
// them: each field is the next 32-bit word (integers and pointers alike) and
// the record ends after its last field. Any padding, a wider field or a field
// out of its place fails the build here. Other platforms keep the field order
// with pointer-sized pointers, so nothing is pinned there.
#include "oxel32.h"

#if defined(_WIN32) && !defined(_WIN64)

#include <cstddef>
#include <initializer_list>

namespace {

// Whether the offsets, given in field order, are the words 0, 4, 8, ... and
// the record ends right after the last one.
template <typename Record>
constexpr bool plain_words(std::initializer_list<size_t> offsets) {
    size_t word = 0;
    for (size_t offset : offsets) {
        if (offset != word)
            return false;
        word += 4;
    }
    return sizeof(Record) == word;
}

#define AT(field) offsetof(R, field)

// Host context, message channel and the description's carriers.
inline void pin_host_records() {
    { using R = HostContext;
      static_assert(plain_words<R>({AT(host_word1), AT(host_word2), AT(callback), AT(host_word4),
                                    AT(counters), AT(user_data), AT(host_word7), AT(message_level)})); }
    { using R = MessageCounters; static_assert(plain_words<R>({AT(reserved), AT(errors), AT(warnings)})); }
    { using R = MessageRecord;
      static_assert(plain_words<R>({AT(kind), AT(level), AT(zero), AT(text), AT(one)})); }
    { using R = DescriptionRoot;
      static_assert(plain_words<R>({AT(header), AT(boards), AT(components), AT(pin_families)})); }
    { using R = ItemList; static_assert(plain_words<R>({AT(count), AT(grow_step), AT(items)})); }
    { using R = TaggedItem; static_assert(plain_words<R>({AT(tag), AT(value)})); }
    { using R = IntegerLiteral; static_assert(plain_words<R>({AT(value), AT(kind), AT(text)})); }
    { using R = LogRecord; static_assert(plain_words<R>({AT(date), AT(creator), AT(tool), AT(reason)})); }
    { using R = HeaderRecord; static_assert(plain_words<R>({AT(creation_log), AT(change_logs)})); }
}

// A component and everything under it.
inline void pin_component_records() {
    { using R = ComponentRecord;
      static_assert(plain_words<R>({AT(name), AT(source_ref), AT(header), AT(standard), AT(pin_lists),
                                    AT(instruction_registers), AT(cells), AT(boundary_scan_registers),
                                    AT(bypass_registers), AT(identification_registers),
                                    AT(usercode_registers), AT(bist_registers), AT(data_registers),
                                    AT(test_sequences), AT(illegal_sequences), AT(global_performances)})); }
    { using R = IndexRecord; static_assert(plain_words<R>({AT(kind), AT(first), AT(last)})); }
    { using R = PinNumberingRecord; static_assert(plain_words<R>({AT(number), AT(numbers), AT(indices)})); }
    { using R = PinRecord;
      static_assert(plain_words<R>({AT(name), AT(form), AT(numbering), AT(type), AT(reserved),
                                    AT(family)})); }
    { using R = PinRefRecord; static_assert(plain_words<R>({AT(kind), AT(name), AT(selector)})); }
    { using R = CaptureStatusRecord; static_assert(plain_words<R>({AT(value), AT(description)})); }
    { using R = CaptureRecord; static_assert(plain_words<R>({AT(status), AT(value)})); }
    { using R = InstructionRecord;
      static_assert(plain_words<R>({AT(kind), AT(name), AT(reserved), AT(code), AT(register_name), AT(mode),
                                    AT(mode_name), AT(registers)})); }
    { using R = InstructionRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(capture_value), AT(capture_status),
                                    AT(instructions)})); }
    { using R = ModeSpecRecord; static_assert(plain_words<R>({AT(reserved), AT(code), AT(name)})); }
    { using R = CellModeRecord;
      static_assert(plain_words<R>({AT(mode_name), AT(mode), AT(select), AT(capture), AT(outputs)})); }
    { using R = CellRecord;
      static_assert(plain_words<R>({AT(name), AT(init_update), AT(data_inputs), AT(data_outputs),
                                    AT(data_select), AT(modes)})); }
    { using R = ChainElementRecord;
      static_assert(plain_words<R>({AT(position), AT(cell_name), AT(pin), AT(input_params), AT(output_params),
                                    AT(third_params), AT(control_cells), AT(disable_values)})); }
    { using R = BoundaryScanRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(chain)})); }
    { using R = BypassRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(capture_value),
                                    AT(capture_status)})); }
    { using R = IdRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(capture_value), AT(capture_status),
                                    AT(manufacturer), AT(part_number), AT(version), AT(concatenation)})); }
    { using R = PreloadRecord; static_assert(plain_words<R>({AT(register_name), AT(reserved), AT(value)})); }
    { using R = BistRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(preload), AT(capture_value),
                                    AT(capture_status), AT(coverage), AT(clock), AT(min_duration),
                                    AT(parallel_outputs), AT(altered_registers), AT(concatenation)})); }
    { using R = DataRegisterRecord;
      static_assert(plain_words<R>({AT(name), AT(purpose), AT(length), AT(capture_value), AT(capture_status),
                                    AT(parallel_outputs), AT(altered_registers), AT(concatenation)})); }
}

// Boards, technology and test sequences.
inline void pin_board_records() {
    { using R = BoardRecord;
      static_assert(plain_words<R>({AT(name), AT(source_ref), AT(header), AT(pin_lists), AT(chains),
                                    AT(netlists), AT(test_sequences), AT(illegal_sequences),
                                    AT(global_performances)})); }
    { using R = BoardChainRecord;
      static_assert(plain_words<R>({AT(name), AT(tdi_net), AT(tdo_net), AT(tms_net), AT(tck_net),
                                    AT(trst_net), AT(parts)})); }
    { using R = PartChainRecord;
      static_assert(plain_words<R>({AT(component_name), AT(part_name), AT(position), AT(tms_net), AT(tck_net),
                                    AT(trst_net)})); }
    { using R = NetRecord; static_assert(plain_words<R>({AT(component_name), AT(pin), AT(nets)})); }
    { using R = PinFamilyRecord;
      static_assert(plain_words<R>({AT(name), AT(setup_time), AT(hold_time), AT(tplh_min), AT(tplh_typ),
                                    AT(tplh_max), AT(tphl_min), AT(tphl_typ), AT(tphl_max), AT(iil), AT(iih),
                                    AT(vil), AT(vih), AT(iol), AT(ioh), AT(vol), AT(voh), AT(vcc_min),
                                    AT(vcc_typ), AT(vcc_max)})); }
    { using R = GlobalPerformanceRecord;
      static_assert(plain_words<R>({AT(name), AT(test_freq_min), AT(test_freq_typ), AT(test_freq_max),
                                    AT(clock_freq_min), AT(clock_freq_typ), AT(clock_freq_max),
                                    AT(tck_stop_at_one), AT(tck_stop_at_one_given), AT(reserved),
                                    AT(temperature_min), AT(temperature_typ), AT(temperature_max)})); }
    { using R = SequenceRecord; static_assert(plain_words<R>({AT(name), AT(instructions)})); }
    { using R = VrakInstructionRecord; static_assert(plain_words<R>({AT(kind), AT(operand)})); }
    { using R = VrakOperandRecord;
      static_assert(plain_words<R>({AT(reserved), AT(target), AT(count), AT(value)})); }
    { using R = PpaRecord; static_assert(plain_words<R>({AT(serial_groups), AT(parallel_groups)})); }
    { using R = PpaSerialGroupRecord;
      static_assert(plain_words<R>({AT(name), AT(tdi), AT(tdo), AT(tms), AT(tck), AT(trst)})); }
    { using R = PpaParallelGroupRecord; static_assert(plain_words<R>({AT(name), AT(pins)})); }
}

#undef AT

}  // namespace

#endif
