#!/usr/bin/perl
# Sets the time of every file in the Microsoft cabinet CAB to EPOCH (seconds,
# written as UTC in the cabinet's DOS date and time), in place. Debian 13's
# cabinet library stamps the files with the time of the build; nothing else
# in the cabinet depends on the time, and the data blocks' checksums do not
# cover these fields.
# Usage: perl CabTimes.pl CAB EPOCH
use strict;
use warnings;

my ($path, $epoch) = @ARGV;
open(my $cab, '+<:raw', $path) or die "$path: $!\n";
local $/;
my $bytes = <$cab>;
die "$path: not a cabinet\n" unless substr($bytes, 0, 4) eq 'MSCF';
my ($first_file) = unpack('V', substr($bytes, 16, 4));
my ($files, $flags) = unpack('vv', substr($bytes, 28, 4));
die "$path: reserved fields are not handled\n" if $flags & 4;
my ($sec, $min, $hour, $day, $mon, $year) = gmtime($epoch);
my $date = (($year - 80) << 9) | (($mon + 1) << 5) | $day;
my $time = ($hour << 11) | ($min << 5) | ($sec >> 1);
my $at = $first_file;
for (1 .. $files) {
    # CFFILE: size, offset, folder (10 bytes), date, time, attributes, then the NUL-ended name.
    substr($bytes, $at + 10, 4) = pack('vv', $date, $time);
    my $end = index($bytes, "\0", $at + 16);
    die "$path: a file's name has no end\n" if $end < 0;
    $at = $end + 1;
}
seek($cab, 0, 0) or die "$path: $!\n";
print {$cab} $bytes or die "$path: $!\n";
close($cab) or die "$path: $!\n";
