#!/usr/bin/perl
# usage: check.pl <public header folder>...
# Every function a public header declares (TARVELIN_API at the start of a line) carries a
# gtk-doc block in that header: each pointer argument but the GError is named with its
# annotations, a pointer result has a "Returns:" with its transfer, and a libgee list, map
# or set says what it holds. The macro-made helper declarations are checked through the
# names they make. No header refers to a file that is not installed.
use strict;
use warnings;

my $failures = 0;
my $checked = 0;
sub fail { print "$_[0]\n"; $failures++; }

sub split_params {
    my ($text) = @_;
    my @parts;
    my ($depth, $cur) = (0, '');
    for my $ch (split //, $text) {
        $depth++ if $ch eq '(';
        $depth-- if $ch eq ')';
        if ($ch eq ',' && $depth == 0) { push @parts, $cur; $cur = ''; } else { $cur .= $ch; }
    }
    push @parts, $cur if $cur =~ /\S/;
    return map { s/^\s+|\s+$//gr } @parts;
}

sub check_one {
    my ($file, $blocks, $ret, $name, @params) = @_;
    $checked++;
    my $block = $blocks->{$name};
    if (!defined $block) { fail("$file: $name has no gtk-doc block"); return; }
    for my $p (@params) {
        next if $p eq 'void' || $p eq '...';
        my ($type, $pname) = $p =~ /^(.*?)(\w+)$/ or next;
        next unless $type =~ /\*/ || $type =~ /\bgpointer\b/;
        next if $pname eq 'error' && $type =~ /GError/;
        my ($ann) = $block =~ /^ \* \@\Q$pname\E: ((?:\([^)]*\)\s*)+):/m;
        if (!defined $ann) {
            # a length named by an array annotation is described there
            next if $block =~ /length=\Q$pname\E\b/;
            fail("$file: $name: argument $pname is not annotated");
            next;
        }
        fail("$file: $name: argument $pname is a libgee container without (element-type)")
            if $type =~ /\bGee\w+/ && $ann !~ /element-type/;
    }
    if ($ret =~ /\*/ || $ret =~ /\bgpointer\b/) {
        my ($ann) = $block =~ /^ \* Returns: ((?:\([^)]*\)\s*)+):/m;
        if (!defined $ann || $ann !~ /\(transfer (full|none|container|floating)\)/) {
            fail("$file: $name: the result has no (transfer ...)");
        } elsif ($ret =~ /\bGee\w+/ && $ann !~ /element-type/) {
            fail("$file: $name: the libgee result has no (element-type)");
        }
    }
}

for my $path (map { glob("$_/*.h") } @ARGV) {
    open my $fh, '<', $path or die "$path: $!";
    my $text = do { local $/; <$fh> };
    close $fh;
    (my $file = $path) =~ s{.*/}{};
    my %blocks;
    while ($text =~ m{^/\*\*\n \* (\w+):.*?\n((?:(?! \*/).*\n)*?) \*/}mg) { $blocks{$1} = $2; }
    while ($text =~ m#^TARVELIN_API\s+([^;{]*?)\s*;#mg) {
        my $decl = $1 =~ s/\s+/ /gr;
        next if $decl =~ /^extern\b/;
        my ($ret, $name, $params) = $decl =~ /^(.*?)\b(\w+)\s*\((.*)\)\s*$/ or next;
        next if $name =~ /_get_type$/ && $params =~ /^\s*void\s*$/;
        check_one($file, \%blocks, $ret, $name, split_params($params));
    }
    # Declarations made by the helper macros, under the names they expand to.
    while ($text =~ m{^TARVELIN_REZEZADOVU_DECLARE_HELPER\(\w+,\s*(\w+),}mg) {
        my $p = "tarvelin_rezezadovu_helpers_";
        check_one($file, \%blocks, 'gpointer', "$p$1_ref", 'gpointer instance');
        check_one($file, \%blocks, 'void', "${p}value_take_$1", 'GValue *value', 'gpointer v_object');
        check_one($file, \%blocks, 'gpointer', "${p}value_get_$1", 'const GValue *value');
        check_one($file, \%blocks, 'GParamSpec *', "${p}param_spec_$1", 'const gchar *name');
    }
    while ($text =~ m{^TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES\((\w+),\s*(\w+)\)}mg) {
        check_one($file, \%blocks, 'TarvelinRezezadovuContractsLogIFormatter *', "$2_get_formatter", "$1 *self");
    }
    for my $word ('.hpp', 'C++ header', 'src/', 'tests/') {
        fail("$file: refers to '$word', which is not installed") if index($text, $word) >= 0;
    }
}
if ($failures) { print "$failures problem(s)\n"; exit 1; }
print "$checked public functions annotated\n";
